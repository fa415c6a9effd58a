// Gives a library without sources of its own something to build.
namespace kpt740 {
[[maybe_unused]] static constexpr int kEmptyTranslationUnit = 0;
} // namespace kpt740
