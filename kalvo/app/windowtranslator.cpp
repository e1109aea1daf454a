#include "kalvo/app/windowtranslator.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

namespace {

void setCaption(QObject *object, const QString &text) {
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(object))
        label->setText(text);
    else if (auto *menu = qobject_cast<QMenu *>(object))
        menu->setTitle(text);
    else if (auto *action = qobject_cast<QAction *>(object))
        action->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(object))
        group->setTitle(text);
    else if (auto *widget = qobject_cast<QWidget *>(object)) {
        // A page of a tab widget carries its caption on its tab.
        QWidget *stack = widget->parentWidget();
        auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs && tabs->indexOf(widget) >= 0)
            tabs->setTabText(tabs->indexOf(widget), text);
        else if (widget->isWindow())
            widget->setWindowTitle(text);
    }
}

// Multi-line initial texts are replaced only while the component still shows
// one of the table's own texts: a survey text on screen is never lost to a
// change of language.
void setLines(QObject *object, const QString &text, const QStringList &tableTexts) {
    if (auto *edit = qobject_cast<QTextEdit *>(object)) {
        if (edit->toPlainText().isEmpty() || tableTexts.contains(edit->toPlainText()))
            edit->setPlainText(text);
    } else if (auto *plain = qobject_cast<QPlainTextEdit *>(object)) {
        if (plain->toPlainText().isEmpty() || tableTexts.contains(plain->toPlainText()))
            plain->setPlainText(text);
    }
}

void setFontName(QObject *object, const QString &family) {
    if (auto *widget = qobject_cast<QWidget *>(object)) {
        QFont font = widget->font();
        font.setFamily(family);
        widget->setFont(font);
    }
}

void setItems(QObject *object, const QStringList &items) {
    auto *combo = qobject_cast<QComboBox *>(object);
    if (!combo)
        return;
    const int current = combo->currentIndex();
    const QSignalBlocker quiet(combo);
    for (int i = 0; i < items.size(); ++i) {
        if (i < combo->count())
            combo->setItemText(i, items[i]);
        else
            combo->addItem(items[i]);
    }
    while (combo->count() > items.size())
        combo->removeItem(combo->count() - 1);
    combo->setCurrentIndex(current < combo->count() ? current : -1);
}

} // namespace

WindowTranslator::WindowTranslator(QWidget *window)
    : QObject(window), m_window(window),
      m_table(&TranslationTable::forWindow(window->objectName())) {
    connect(&languageDispatcher(), &LanguageDispatcher::languageChanged, this,
            &WindowTranslator::apply);
    apply(languageDispatcher().activeLanguage());
}

QString WindowTranslator::ids(int n) const {
    return text(QStringLiteral("IDS_%1").arg(n));
}

QObject *WindowTranslator::component(const QString &name) const {
    if (name == m_window->objectName())
        return m_window;
    return m_window->findChild<QObject *>(name);
}

void WindowTranslator::apply(int language) {
    m_language = language;
    QStringList listsDone;
    for (const QString &row : m_table->rows()) {
        const qsizetype items = row.indexOf(QLatin1String(".Items["));
        if (items > 0) {
            const QString list = row.left(items);
            if (!listsDone.contains(list)) {
                listsDone.append(list);
                setItems(component(list), m_table->items(list, language));
            }
            continue;
        }
        applyRow(row);
    }
    emit languageApplied(language);
}

void WindowTranslator::applyRow(const QString &row) {
    const qsizetype dot = row.indexOf(QLatin1Char('.'));
    if (dot <= 0)
        return; // a message text, looked up when it is shown
    QObject *object = component(row.left(dot));
    if (!object)
        return;
    const QString property = row.mid(dot + 1);
    const QString text = m_table->text(row, m_language);
    if (property == QLatin1String("Caption"))
        setCaption(object, text);
    else if (property == QLatin1String("Hint")) {
        if (auto *widget = qobject_cast<QWidget *>(object))
            widget->setToolTip(text);
    } else if (property == QLatin1String("Lines"))
        setLines(object, text, m_table->allTexts(row));
    else if (property == QLatin1String("Font.Name"))
        setFontName(object, text);
}
