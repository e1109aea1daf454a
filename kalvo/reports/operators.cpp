#include "kalvo/reports/operators.h"

#include "common/inifile.h"
#include "kalvo/app/kalvoerror.h"
#include "kalvo/reports/owner.h"
#include "kalvo/reports/vatroresultsgui.h"

#include <QComboBox>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString kSection = QStringLiteral("Operators");
// A damaged count must not make the form append names for ever.
constexpr int kMostOperators = 1000;

QString operatorKey(int number) {
    return QStringLiteral("operator%1").arg(number);
}

} // namespace

void saveOperators(TForm4 &form, const QString &preferencesPath) {
    const QComboBox &list = *form.ComboBoxOperator;
    IniFile file(preferencesPath);
    file.removeSection(kSection);
    file.writeString(kSection, QStringLiteral("operatorNb"), QString::number(list.count()));
    file.writeString(kSection, QStringLiteral("lastOperator"),
                     list.currentIndex() >= 0 ? list.currentText() : QString());
    for (int i = 1; i <= list.count(); ++i)
        file.writeString(kSection, operatorKey(i), list.itemText(i - 1));
    // save() creates the Preferences folder when it is missing.
    if (!file.save())
        throw KalvoError(QStringLiteral("Unable to write to %1").arg(preferencesPath));
}

void loadOperatorsAndOwner(TForm4 &form, const QString &preferencesPath) {
    if (!QFileInfo::exists(preferencesPath))
        return;
    QComboBox &list = *form.ComboBoxOperator;
    {
        const IniFile file(preferencesPath);
        const int count = file.readString(kSection, QStringLiteral("operatorNb")).trimmed().toInt();
        for (int i = 1; i <= std::min(count, kMostOperators); ++i)
            list.addItem(file.readString(kSection, operatorKey(i)));
        const QString last = file.readString(kSection, QStringLiteral("lastOperator"));
        int selected = -1;
        for (int i = 0; i < list.count() && selected < 0; ++i)
            if (list.itemText(i).compare(last, Qt::CaseInsensitive) == 0)
                selected = i;
        list.setCurrentIndex(selected);
    }
    auto supplier = std::make_unique<DataOwner>();
    supplier->readFromIni(preferencesPath);
    form.setSupplier(std::move(supplier));
}
