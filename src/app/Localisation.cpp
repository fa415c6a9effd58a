#include "app/Localisation.h"

#include "app/BuiltInTexts.h"
#include "text/LanguageText.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QToolBar>
#include <QWidget>
#include <cmath>
#include <optional>

namespace kpt740 {

namespace {

std::optional<int> NumberOf(const QVariant& value) {
    if (!value.isValid()) {
        return std::nullopt;
    }
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

std::optional<int> IdOf(const QObject* object, const char* property) {
    return NumberOf(object->property(property));
}

void LocaliseAction(QAction* action, const LanguageText& text) {
    std::optional<int> id = IdOf(action, kTextIdProperty);
    if (!id) {
        // A design caption that is a number moves into the tag, so it survives this caption.
        id = NumberOf(action->text());
        if (id) {
            SetTextId(action, *id);
        }
    }
    if (id) {
        action->setText(OtherText(text, *id));
    }
    if (const auto tip = IdOf(action, kTipIdProperty)) {
        action->setToolTip(OtherText(text, *tip));
    }
}

void LocaliseControl(QWidget* control, const LanguageText& text) {
    const auto id = IdOf(control, kTextIdProperty);
    if (auto* label = qobject_cast<QLabel*>(control)) {
        if (id) {
            label->setText(OtherText(text, *id));
        }
    } else if (auto* tabs = qobject_cast<QTabWidget*>(control)) {
        for (int i = 0; i < tabs->count(); ++i) {
            const QWidget* page = tabs->widget(i);
            if (const auto tab = IdOf(page, kTextIdProperty)) {
                tabs->setTabText(i, OtherText(text, *tab));
            }
            if (const auto tip = IdOf(page, kTipIdProperty)) {
                tabs->setTabToolTip(i, OtherText(text, *tip));
            }
        }
    } else if (id && *id > 0) {
        if (auto* button = qobject_cast<QAbstractButton*>(control)) {
            button->setText(OtherText(text, *id));
        } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
            group->setTitle(OtherText(text, *id));
        }
    }
    if (const auto tip = IdOf(control, kTipIdProperty); tip && *tip > 0) {
        control->setToolTip(OtherText(text, *tip));
    }
}

// True when the object is part of `window` itself and not of another window opened from it
// (an open dialog keeps its texts until it is opened again). Menus are popups of their window.
bool BelongsTo(const QObject* object, const QWidget* window) {
    for (const QObject* o = object; o != nullptr; o = o->parent()) {
        if (o == window) {
            return true;
        }
        const auto* widget = qobject_cast<const QWidget*>(o);
        if (widget != nullptr && widget->isWindow() &&
            qobject_cast<const QMenu*>(widget) == nullptr) {
            return false;
        }
    }
    return false;
}

} // namespace

void SetTextId(QObject* object, int id) {
    object->setProperty(kTextIdProperty, id);
}

void SetTipId(QObject* object, int id) {
    object->setProperty(kTipIdProperty, id);
}

QString OtherText(const LanguageText& text, int id) {
    return QString::fromStdString(text.other(id));
}

QString BuiltIn(const LanguageText& text, const BuiltInText& builtIn) {
    const std::string_view chosen = builtIn.forLanguage(text.languageIndex());
    return QString::fromUtf8(chosen.data(), static_cast<qsizetype>(chosen.size()));
}

void LocaliseForm(QWidget* window, const LanguageText& text) {
    if (const auto id = IdOf(window, kTextIdProperty)) {
        window->setWindowTitle(OtherText(text, *id));
    }

    QFont font = window->font();
    const QString family = OtherText(text, 20);
    if (!family.isEmpty()) {
        font.setFamily(family);
    }
    bool sizeOk = false;
    const int size = OtherText(text, 21).toInt(&sizeOk);
    if (sizeOk && size > 0) {
        font.setPointSize(size);
    }
    window->setFont(font);
    // Menus open as windows of their own and do not inherit the font.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        if (BelongsTo(menu, window)) {
            menu->setFont(font);
        }
    }

    for (QAction* action : window->findChildren<QAction*>()) {
        if (BelongsTo(action, window)) {
            LocaliseAction(action, text);
        }
    }
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (BelongsTo(control, window) && !qobject_cast<QMenu*>(control) &&
            !qobject_cast<QToolBar*>(control)) {
            LocaliseControl(control, text);
        }
    }
}

void SetOkCancelCaptions(QAbstractButton* ok, QAbstractButton* cancel, const LanguageText& text) {
    ok->setText(OtherText(text, 101));
    cancel->setText(OtherText(text, 102));
}

void SetCloseHelpCaptions(QAbstractButton* close, QAbstractButton* help, const LanguageText& text) {
    close->setText(BuiltIn(text, builtin::kCloseButton));
    help->setText(BuiltIn(text, builtin::kHelpButton));
}

int TwipsToPixels(const QWidget* widget, int twips) {
    const int dpi = widget != nullptr ? widget->logicalDpiX() : 96;
    return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / 1440.0));
}

int PixelsToTwips(const QWidget* widget, int pixels) {
    const int dpi = widget != nullptr && widget->logicalDpiX() > 0 ? widget->logicalDpiX() : 96;
    return static_cast<int>(std::lround(static_cast<double>(pixels) * 1440.0 / dpi));
}

QStringList ListItems(const TextList& list) {
    QStringList items;
    items.reserve(static_cast<qsizetype>(list.size()));
    for (const std::string& item : list) {
        items << QString::fromStdString(item);
    }
    return items;
}

std::vector<std::pair<QString, QString>>
ShownRows(const std::vector<std::pair<QLabel*, QWidget*>>& rows, const LanguageText& text) {
    std::vector<std::pair<QString, QString>> items;
    for (const auto& [label, control] : rows) {
        if (control->isHidden()) {
            continue;
        }
        if (const auto* check = qobject_cast<const QCheckBox*>(control)) {
            items.emplace_back(check->text(),
                               BuiltIn(text, check->isChecked() ? builtin::kOn : builtin::kOff));
        } else if (const auto* list = qobject_cast<const QComboBox*>(control)) {
            items.emplace_back(label->text(), list->currentText());
        } else if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
            items.emplace_back(label->text(), box->text());
        }
    }
    return items;
}

} // namespace kpt740
