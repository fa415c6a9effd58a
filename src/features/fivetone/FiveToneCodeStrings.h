#pragma once

#include "features/fivetone/FiveToneSettings.h"

#include <string>
#include <string_view>

namespace kpt740 {

// The rewriting rules of 5-Tone code texts. Positions count from 1 where a rule names them;
// every function takes and returns plain ASCII texts and accepts any input.

// Repeat-tone rewriting: a digit equal to the one sent just before it becomes "E". `previous`
// is "X" (or empty) when nothing is sent before the code, else the digit sent before it.
// The message part of a data call (positions after the eighth) is never rewritten.
std::string ApplyRepeatTone(std::string_view code, std::string_view previous);
// The rewriting of ANI codes: an 11-character code keeps its separator and the digit after it.
std::string ApplyRepeatToneAni(std::string_view code);
// True for an ANI code: a 5-character ID, an optional separator A-F, then the own ID (as typed
// or repeat-rewritten) or the placeholder "SelfID".
bool IsAniCode(std::string_view code, std::string_view ownId);
// The form every list code and PTT-ID code is stored in.
std::string NormalizeCode(std::string_view code, std::string_view ownId);
// `rLen` characters from position `rStart`, each "E" replaced by the character before it in
// `rStr` (one level: the repeat tone undone).
std::string Mid5ToneNoE(std::string_view rStr, int rStart, int rLen);
// A stored code after the own ID changed from `oldId` to `newId`.
std::string ApplyNewOwnId(std::string_view code, std::string_view oldId, std::string_view newId);

// The digits a list code is saved with: "E2"/"E6" calls and ANI codes get the own ID (the
// placeholder "SelfID" replaced), then the code is normalized and trimmed.
std::string PrepareListCode(std::string_view digits, std::string_view ownId);
// Applies PrepareListCode to a list code's digits and sets its digit count; isEmpty is kept.
void PrepareListCodeForSaving(FiveToneCode& code, std::string_view ownId);

// ---- Special-call forms, as the special-call dialog builds them -------------------------

inline constexpr std::string_view kSelfIdPlaceholder = "SelfID";

// Each message character as two upper-case hexadecimal digits of its code.
std::string MessageHex(std::string_view message);
// A data call for a PTT-ID box: "E1" + target + "E" + message hex (normalized afterwards).
std::string DataCallPttIdCode(std::string_view targetId, std::string_view message);
// A data call for a list row, already rewritten: the call part with repeat tones, the message
// hex as it is.
std::string DataCallListCode(std::string_view targetId, std::string_view message);
// An ANI code: target, separator (when one is chosen, else '\0'), then `ownPart` (the own ID for
// a PTT-ID box, kSelfIdPlaceholder for a list row).
std::string AniCallCode(std::string_view targetId, char separator, std::string_view ownPart);
// A PTT-ID call: "E6" + `ownPart` (the own ID, or kSelfIdPlaceholder for a list row).
std::string PttIdCallCode(std::string_view ownPart);

} // namespace kpt740
