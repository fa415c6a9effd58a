# Strict warnings for the project's own targets (never for third-party code).
function(kpt740_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor
            -Woverloaded-virtual -Werror)
        # GCC 12 at -O3 reports -Wrestrict for `"text" + std::string` inside libstdc++ (a known
        # false positive of that compiler); it would break Release builds of correct code.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE -Wno-restrict)
        endif()
    endif()
endfunction()
