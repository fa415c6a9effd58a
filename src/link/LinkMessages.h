#pragma once

#include "core/Messages.h"
#include "link/LinkTypes.h"

namespace kpt740::linktext {

// Radio check on identification.
inline constexpr BuiltInText kWrongModel{"Model type is wrong. ", "机型类型错误。",
                                         "機型類型錯誤。"};
inline constexpr BuiltInText kWrongVersion{"Version is wrong.", "版本错误。", "版本錯誤。"};
inline constexpr BuiltInText kWrongBand{"Frequencys is wrong!", "频段类型错误！", "頻段類型錯誤！"};
inline constexpr BuiltInText kRadioKilled{"Radio is killed,can't be written!",
                                          "对讲机被遥毙，不能写入！", "對講機被遙斃，不能寫入！"};
inline constexpr BuiltInText kRadioStunned{"Radio is fainted,can't be written!",
                                           "对讲机被遥晕，不能写入！", "對講機被遙暈，不能寫入！"};

// Read and write commands.
inline constexpr BuiltInText kReadConfirmation{"Read data from radio.\r\nDo you wish continue?",
                                               "从对讲机读取数据。\r\n是否继续？",
                                               "從對講機讀取數據。\r\n是否繼續？"};
inline constexpr BuiltInText kWriteConfirmation{"Write data to radio.\r\nDo you wish continue?",
                                                "向对讲机写入数据。\r\n是否继续？",
                                                "向對講機寫入數據。\r\n是否繼續？"};
inline constexpr BuiltInText kReadTitle{"Read data from radio", "从对讲机读取数据",
                                        "從對講機讀取數據"};
inline constexpr BuiltInText kWriteTitle{"Write data to radio", "向对讲机写入数据",
                                         "向對講機寫入數據"};
inline constexpr BuiltInText kProgressLabel{"Completion percentage:", "完成进度:", "完成進度:"};

// Language texts (section OTHER unless noted).
inline constexpr int kPortError = 2002;
inline constexpr int kNoReply = 2003;
inline constexpr int kReadFinished = 2004;
inline constexpr int kWriteFinished = 2005;
inline constexpr int kReadFailed = 2006;
inline constexpr int kWriteFailed = 2007;
inline constexpr int kEmbeddedReadFailed = 2008;
inline constexpr int kSaveFirstQuestion = 9001; // section MSG

inline Message Shown(const BuiltInText& text, MessageIcon icon = MessageIcon::None) {
    return {text, icon};
}

// The title of the progress window for a mode (read or write).
inline const BuiltInText& ProgressTitle(TransferMode mode) {
    return mode == TransferMode::Write ? kWriteTitle : kReadTitle;
}

} // namespace kpt740::linktext
