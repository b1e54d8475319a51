#include "TranslateForm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/Language.h"
#include "ui/Tags.h"

namespace {

class Translator {
  public:
    Translator(const QString& languageName, const QString& section)
        : file_(LanguageFilePath(App().all.AppPath, languageName)), section_(section) {}

    QString Read(const QString& key, const QString& current) const {
        return file_.ReadString(section_, key, current);
    }
    QString Caption(const QObject* object, const QString& current) const {
        return Read(object->objectName() + QStringLiteral(".Caption"), current);
    }
    QString Item(const QObject* object, int n, const QString& current) const {
        return Read(QStringLiteral("%1.%2").arg(object->objectName()).arg(n), current);
    }

  private:
    IniFile file_;
    QString section_;
};

void TranslateGrid(QAbstractItemView* grid, const Translator& translator) {
    QAbstractItemModel* model = grid->model();
    if (!model || model->rowCount() == 0) {
        return;
    }
    // Grid column n (n >= 1) is model column n - 1; its title lives in the first data row.
    for (int n = 1; n <= model->columnCount(); ++n) {
        const QModelIndex title = model->index(0, n - 1);
        model->setData(title, translator.Item(grid, n, title.data().toString()));
    }
}

void TranslateCombo(QComboBox* combo, const Translator& translator) {
    const int selected = combo->currentIndex();
    const int count =
        Tag(combo) == kTagFirstItemOnly ? std::min(1, combo->count()) : combo->count();
    for (int n = 0; n < count; ++n) {
        combo->setItemText(n, translator.Item(combo, n, combo->itemText(n)));
    }
    combo->setCurrentIndex(selected);
}

void TranslateObject(QObject* object, const Translator& translator, bool withComboItems) {
    if (object->objectName().isEmpty()) {
        return;
    }
    if (auto* label = qobject_cast<QLabel*>(object)) {
        label->setText(translator.Caption(label, label->text()));
    } else if (auto* action = qobject_cast<QAction*>(object)) {
        action->setText(translator.Caption(action, action->text()));
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
        menu->setTitle(translator.Caption(menu, menu->title()));
    } else if (auto* button = qobject_cast<QPushButton*>(object)) {
        button->setText(translator.Caption(button, button->text()));
    } else if (auto* tool = qobject_cast<QToolButton*>(object)) {
        tool->setText(translator.Caption(tool, tool->text()));
        tool->setToolTip(
            translator.Read(tool->objectName() + QStringLiteral(".Hint"), tool->toolTip()));
    } else if (auto* grid = qobject_cast<QAbstractItemView*>(object);
               grid && !qobject_cast<QListWidget*>(object)) {
        if (Tag(grid) != kTagNoTranslation) {
            TranslateGrid(grid, translator);
        }
    } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
        if (withComboItems && Tag(combo) != kTagNoTranslation) {
            TranslateCombo(combo, translator);
        }
    } else if (auto* check = qobject_cast<QCheckBox*>(object)) {
        check->setText(translator.Caption(check, check->text()));
    } else if (auto* radio = qobject_cast<QRadioButton*>(object)) {
        radio->setText(translator.Caption(radio, radio->text()));
    } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
        group->setTitle(translator.Caption(group, group->title()));
    } else if (auto* list = qobject_cast<QListWidget*>(object)) {
        if (Tag(list) != kTagNoTranslation) {
            for (int n = 0; n < list->count(); ++n) {
                list->item(n)->setText(translator.Item(list, n, list->item(n)->text()));
            }
        }
    }
}

// The controls a window owns in creation order: each child before its own children.
void Walk(QObject* parent, const Translator& translator, bool withComboItems) {
    for (QObject* child : parent->children()) {
        TranslateObject(child, translator, withComboItems);
        Walk(child, translator, withComboItems);
    }
}

}  // namespace

bool TranslateForm(QWidget* window, const QString& languageName, bool withComboItems) {
    const Translator translator(languageName, window->objectName());
    window->setWindowTitle(translator.Caption(window, window->windowTitle()));
    Walk(window, translator, withComboItems);
    return true;
}

void TranslateOnOpen(QWidget* dialog, bool withComboItems) {
    if (App().all.LanguageIndex > 0) {
        TranslateForm(dialog, App().all.LanguageName, withComboItems);
    }
}
