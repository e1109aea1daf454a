#pragma once
// The translation table of one window: rows named after a component's
// property ("Button1.Caption", "ComboBox.Hint", "RichEdit1.Lines",
// "RichEdit1.Font.Name", "ComboBoxTank.Items[2]", the window's own caption
// "TForm1.Caption") or after a message text ("IDS_4"), one text per language.
//
// Tables are UTF-8 text files, one per window, compiled into the program's
// resources as ":/lang/<window class>.lang":
//
//     # comment
//     [Button1.Caption]
//     EN "Open file"
//     DAN "Åbn "
//
// A row opens with its name in square brackets; each following line gives a
// language code (EN, FR, SP, IT, GER, NL, DAN, or SYS for the System column)
// and the text in double quotes, where \" is a quote, \\ a backslash and \xNN
// the Windows-1252 byte NN. A text that a language lacks is taken in English.

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "kalvo/app/languages.h"

class TranslationTable {
public:
    TranslationTable() = default;

    // Parses a table file; on a malformed line returns false and says where
    // in `error`, keeping the rows read before it.
    bool parse(const QByteArray &utf8, QString *error = nullptr);

    // The table ":/lang/<windowClass>.lang", loaded once; an empty table when
    // there is none. A malformed resource is a build fault: it aborts in
    // debug builds and reads as far as it is well formed otherwise.
    static const TranslationTable &forWindow(const QString &windowClass);

    bool hasRow(const QString &row) const { return m_rows.contains(row); }
    // Row names in file order.
    const QStringList &rows() const { return m_order; }
    // The text of `row` in `language`, else in English, else a null text.
    QString text(const QString &row, int language) const;
    // Every text of the row, in any language (used to recognise a text that
    // the table itself put somewhere).
    QStringList allTexts(const QString &row) const;
    // The item list of a drop-down list in `language`: the rows
    // "<component>.Items[n]" from 0 on that the language has; when it has
    // none, the English ones.
    QStringList items(const QString &component, int language) const;

private:
    using Texts = std::array<std::optional<QString>, kLastLanguage + 1>;
    QHash<QString, Texts> m_rows;
    QStringList m_order;
};
