#pragma once

#include "core/Messages.h"

#include <array>

// The texts the program carries itself, in English, Simplified Chinese and Traditional Chinese,
// chosen by the language index each time they are shown (the language files hold the rest).
namespace kpt740::builtin {

// Button captions of the dialogs that do not take them from the language files.
inline constexpr BuiltInText kCloseButton{"&Close", "关闭(&C)", "關閉(&C)"};
inline constexpr BuiltInText kPrintButton{"&Print", "打印(&P)", "列印(&P)"};
inline constexpr BuiltInText kHelpButton{"&Help", "帮助(&H)", "說明(&H)"};

// The channel dialog's PTT ID decode box, which has no text of its own in the language files.
inline constexpr BuiltInText kPttIdDecode{"PTT ID Decode", "PTT ID 解码", "PTT ID 解碼"};

// Model Type dialog: changing the band.
inline constexpr BuiltInText kBandChangeWarning{"Frequency data will be cleared.",
                                                "频率数据将被清除。", "頻率資料將被清除。"};
inline constexpr BuiltInText kWarningCaption{"Warning", "警告", "警告"};

// (The messages of the radio link live with the link, in link/LinkMessages.h.)

// The embedded-message window.
inline constexpr BuiltInText kEmbeddedTitle{"Embedded Message", "嵌入信息", "嵌入訊息"};
inline constexpr BuiltInText kAreaCode{"Area Code", "销售区号", "銷售區號"};
inline constexpr BuiltInText kManufactureCode{"Manufacture Code", "生产批号", "生產批號"};
inline constexpr BuiltInText kUserCode{"User Code", "客户代码", "客戶代碼"};
inline constexpr BuiltInText kRadioType{"Radio Type", "机型", "機型"};
inline constexpr BuiltInText kFrequency{"Frequency", "频段", "頻段"};
inline constexpr BuiltInText kSerialNumber{"Serial Number", "序列号", "序號"};
inline constexpr BuiltInText kProductedDate{"Producted Date", "出厂日期", "出廠日期"};
inline constexpr BuiltInText kMaintainedDate{"Maintained Date", "维修日期", "維修日期"};
inline constexpr BuiltInText kVersion{"Version", "固件版本", "韌體版本"};
inline constexpr BuiltInText kMaintained{"Maintained", "维修原因", "維修原因"};
inline constexpr BuiltInText kDescription{"Description", "", ""};
inline constexpr BuiltInText kDealerInformation{"Dealer Information", "经销商信息", "經銷商資訊"};
inline constexpr BuiltInText kDealerCode{"Dealer Code", "经销商代码", "經銷商代碼"};
inline constexpr BuiltInText kStockDate{"Stock Date", "入库时间", "入庫時間"};
inline constexpr BuiltInText kSellDate{"Sell Date", "销售时间", "銷售時間"};
inline constexpr BuiltInText kSeller{"Seller", "经手人", "經手人"};

// Files.
inline constexpr BuiltInText kClearAll{"All data will be cleared.", "所有数据将被清空。",
                                       "所有資料將被清空。"};
inline constexpr BuiltInText kOverwrite{"file will be Overwrite,Continue?",
                                        "文件将被覆盖，是否继续？", "檔案將被覆蓋，是否繼續？"};
inline constexpr BuiltInText kFileModified{"File has been modify,save it now?",
                                           "当前文件已被修改，是否现在保存？",
                                           "目前檔案已被修改，是否現在儲存？"};
inline constexpr BuiltInText kFileError{"file error.", "文件错误。", "檔案錯誤。"};
inline constexpr BuiltInText kDataFile{"Data File", "数据文件", "資料檔案"};

// Printing: the print-item dialog and the report.
inline constexpr std::array<BuiltInText, 9> kPrintItems{{
    {"Channel Infomation", "信道信息", "頻道資訊"},
    {"VHF Channel Infomation", "VHF信道信息", "VHF頻道資訊"},
    {"Radio Channel Infomation", "Radio信道信息", "Radio頻道資訊"},
    {"Option", "功能设定", "功能設定"},
    {"DTMF", "DTMF", "DTMF"},
    {"2Tone", "2Tone", "2Tone"},
    {"5Tone", "5Tone", "5Tone"},
    {"Communication Book", "通信簿", "通訊錄"},
    {"Embedded Message", "嵌入信息", "嵌入訊息"},
}};
inline constexpr BuiltInText kSelectAll{"Select &All", "选择所有(&A)", "選擇所有(&A)"};
inline constexpr BuiltInText kClearAllItems{"&Clear All", "清除所有(&C)", "清除所有(&C)"};
inline constexpr BuiltInText kPrinterSetup{"&Set", "设置(&S)", "設定(&S)"};
inline constexpr BuiltInText kPrintOk{"&OK", "确定(&O)", "確定(&O)"};
inline constexpr BuiltInText kPrintCancel{"&Cancel", "取消(&C)", "取消(&C)"};
inline constexpr BuiltInText kReportTitle{"KPT740 Radio Programming Information",
                                          "KPT740 对讲机编程信息", "KPT740 對講機編程資訊"};
inline constexpr BuiltInText kReportModel{"Model Type", "机型类型", "機型類型"};
inline constexpr BuiltInText kReportBand{"Frequency", "频率", "頻率"};
inline constexpr BuiltInText kReportFile{"File Name", "文件名", "檔案名稱"};
inline constexpr BuiltInText kSelectPrintItems{"Please select printing items.", "请选择打印项目。",
                                               "請選擇列印項目。"};
inline constexpr BuiltInText kOff{"OFF", "关", "關"};
inline constexpr BuiltInText kOn{"ON", "开", "開"};

// Start-up: one language only by design.
inline constexpr const char* kUnknownSystem = "Unknown SYSTEM!";

} // namespace kpt740::builtin
