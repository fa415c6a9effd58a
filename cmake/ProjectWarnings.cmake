# Strict warnings for the project's own targets (never for third-party code).
function(kpt740_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /WX)
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wshadow -Wold-style-cast -Wnon-virtual-dtor
            -Woverloaded-virtual -Werror)
    endif()
endfunction()
