#pragma once

#include "core/Encodings.h"
#include "core/Messages.h"

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QAbstractButton;
class QObject;
class QLabel;
class QWidget;

namespace kpt740 {

class LanguageText;

// A window's design carries text ids instead of texts: a caption id in the "textId" property
// (the tag), a tooltip id in "tipId". Form localisation replaces them with the texts of the
// current language, so localising again after a language change re-captions everything.
inline constexpr char kTextIdProperty[] = "textId";
inline constexpr char kTipIdProperty[] = "tipId";

void SetTextId(QObject* object, int id);
void SetTipId(QObject* object, int id);

// Text `id` of section OTHER, and a built-in text, in the current language.
QString OtherText(const LanguageText& text, int id);
QString BuiltIn(const LanguageText& text, const BuiltInText& builtIn);

// Localises a window and its controls:
// 1. window caption := text(window's tag);
// 2. the window's font takes the name of text 20 and the size of text 21 (when numeric), and
//    every control and menu of the window gets it;
// 3. labels: caption := text(tag); menu items: caption := text(tag), or, when the caption itself
//    is a number, that number moves into the tag first; toolbar buttons and other controls:
//    tooltip := text(tooltip id); other controls with a tag above 0: caption := text(tag);
//    tabs: caption and tooltip from their page's ids.
// A step that does not apply (no id, an id that is not a number) is skipped.
void LocaliseForm(QWidget* window, const LanguageText& text);

// CommandOK := text 101, CommandCancel := text 102.
void SetOkCancelCaptions(QAbstractButton* ok, QAbstractButton* cancel, const LanguageText& text);
// CommandClose and CommandHelp from the built-in captions of the current language.
void SetCloseHelpCaptions(QAbstractButton* close, QAbstractButton* help, const LanguageText& text);

// The items of a list control, from their UTF-8 texts.
QStringList ListItems(const TextList& list);

// What a dialog shows, label -> shown text, for the printed report: visible lists and text
// boxes give their label and current text, visible check boxes their caption and the built-in
// ON/OFF text.
std::vector<std::pair<QString, QString>>
ShownRows(const std::vector<std::pair<QLabel*, QWidget*>>& rows, const LanguageText& text);

// Layout units: twips (1/1440 inch) to pixels at the widget's logical resolution, and back.
int TwipsToPixels(const QWidget* widget, int twips);
int PixelsToTwips(const QWidget* widget, int pixels);

} // namespace kpt740
