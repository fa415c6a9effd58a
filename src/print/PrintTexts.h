#pragma once

#include "core/Messages.h"

// The print-item dialog's own texts beyond the captions every printing program has: the
// preview and the PDF file.
namespace kpt740::builtin {

inline constexpr BuiltInText kPrintPreview{"Print Pre&view", "打印预览(&V)", "預覽列印(&V)"};
inline constexpr BuiltInText kExportPdf{"Export P&DF", "导出PDF(&D)", "匯出PDF(&D)"};
inline constexpr BuiltInText kPdfFilter{"PDF files (*.pdf)", "PDF文件 (*.pdf)", "PDF檔案 (*.pdf)"};
inline constexpr BuiltInText kNothingToPrint{"The selected items print no page.",
                                             "所选项目没有可打印的页面。",
                                             "所選項目沒有可列印的頁面。"};
inline constexpr BuiltInText kPrintFailed{"The report could not be printed.", "报告无法打印。",
                                          "報告無法列印。"};
inline constexpr BuiltInText kPdfFailed{"The PDF file could not be written.", "无法写入PDF文件。",
                                        "無法寫入PDF檔案。"};

} // namespace kpt740::builtin
