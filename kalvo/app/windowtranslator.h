#pragma once
// Binds a window to its translation table and to the language dispatcher:
// on creation and on every change of the active language it sets the
// captions, hints, initial texts, fonts and item lists of the window's
// components from the table. The window asks it for its message texts.

#include "kalvo/app/translationtable.h"

#include <QObject>
#include <QPointer>

class QWidget;

class WindowTranslator : public QObject {
    Q_OBJECT
public:
    // `window`'s object name is its class name ("TForm1"), which names its
    // table; rows "<window class>.<property>" address the window itself and
    // other rows the child of that object name. Applies the active language
    // at once.
    explicit WindowTranslator(QWidget *window);

    int language() const { return m_language; }
    // A message text of the window: IDS_<n> in the active language.
    QString ids(int n) const;
    QString text(const QString &row) const { return m_table->text(row, m_language); }
    const TranslationTable &table() const { return *m_table; }

signals:
    // After the window's texts were switched, for texts the window composes.
    void languageApplied(int language);

private:
    void apply(int language);
    void applyRow(const QString &row);
    QObject *component(const QString &name) const;

    QWidget *m_window;
    const TranslationTable *m_table;
    int m_language = kDefaultLanguage;
};
