#pragma once
#include <QHash>
#include <QString>
#include <vector>

// The translated texts a report prints: the tank test form's IDS_<n> entries
// in the active interface language. The windows fill it from their
// translation table; english() holds the English texts.
class ReportTexts {
public:
    static ReportTexts english();
    // The entries the reports use.
    static const std::vector<int> &usedIds();

    void set(int id, const QString &text) { m_texts.insert(id, text); }
    // Throws ReportError when the entry was never given.
    QString operator()(int id) const;

private:
    QHash<int, QString> m_texts;
};
