// The tank test form's validation: the form checks and the pipe-row checks,
// each stopping at the first refusal with its message, tab and focus.

#include "common/ui/platformservice.h"
#include "kalvo/app/windowtranslator.h"
#include "kalvo/reports/owner.h"
#include "kalvo/reports/vatroresultsgui.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

namespace {

bool noSelection(const QComboBox *list) {
    return list->currentIndex() < 0;
}

bool empty(const QLineEdit *box) {
    return box->text().isEmpty();
}

bool unanswered(const QCheckBox *yes, const QCheckBox *no) {
    return !yes->isChecked() && !no->isChecked();
}

} // namespace

bool TForm4::refuse(QWidget *tab, int ids, QWidget *focus) {
    PageControl1->setCurrentWidget(tab);
    platform().message(this, QMessageBox::Warning, QString(), m_texts->ids(ids), QMessageBox::Ok);
    if (focus)
        focus->setFocus();
    return false;
}

bool TForm4::checkTankForm() {
    // Every refusal shows the storage description, also for the fields
    // above the tabs.
    struct Check {
        bool failed;
        int ids;
        QWidget *focus;
    };
    const bool noSupplierCity = !m_supplier || m_supplier->city().isEmpty();
    const Check checks[] = {
        {noSelection(ComboBoxTank), 62, ComboBoxTank},
        {empty(EditProductLvl), 63, EditProductLvl},
        {empty(EditWaterLvl), 64, EditWaterLvl},
        {empty(EditDepressionType), 65, EditDepressionType},
        {unanswered(CheckBoxWaterYes, CheckBoxWaterNo), 66, CheckBoxWaterYes},
        {unanswered(CheckBoxDepressedYes, CheckBoxDepressedNo), 67, CheckBoxDepressedYes},
        {noSelection(ComboBoxOperator), 68, ComboBoxOperator},
        {empty(EditTankowner), 69, EditTankowner},
        {empty(EditAddress), 69, EditAddress},
        {empty(EditZipcode), 69, EditZipcode},
        {empty(EditCity), 69, EditCity},
        {noSelection(ComboBoxNature), 74, ComboBoxNature},
        {noSelection(ComboBoxSituation), 75, ComboBoxSituation},
        {empty(EditCapacite), 76, EditCapacite},
        {noSelection(ComboBoxType), 77, ComboBoxType},
        {unanswered(CheckBoxCleanBeforeYes, CheckBoxCleanBeforeNo), 78, CheckBoxCleanBeforeYes},
        {noSelection(ComboBoxStock), 79, ComboBoxStock},
        {noSelection(ComboBoxResult), 80, ComboBoxResult},
        {empty(EditSignataire), 54, EditSignataire},
        {noSupplierCity, 140, nullptr},
    };
    for (const Check &check : checks)
        if (check.failed)
            return refuse(TabSheet1, check.ids, check.focus);
    return true;
}

bool TForm4::isPipeRowUsed(int n) const {
    const int i = n - 1;
    return !ComboBoxNatureCanal[i]->currentText().isEmpty() ||
           !ComboBoxMat[i]->currentText().isEmpty() || !EditDepart[i]->text().isEmpty() ||
           !EditArrivee[i]->text().isEmpty() || !ComboBoxEtanche[i]->currentText().isEmpty() ||
           !EditDetailComment[i]->text().isEmpty();
}

bool TForm4::checkPipes() {
    bool anyComplete = false;
    for (int n = 1; n <= kPipeRows; ++n) {
        if (!isPipeRowUsed(n))
            continue;
        const int i = n - 1;
        const std::pair<QString, QWidget *> required[] = {
            {ComboBoxNatureCanal[i]->currentText(), ComboBoxNatureCanal[i]},
            {ComboBoxMat[i]->currentText(), ComboBoxMat[i]},
            {EditDepart[i]->text(), EditDepart[i]},
            {EditArrivee[i]->text(), EditArrivee[i]},
            {ComboBoxEtanche[i]->currentText(), ComboBoxEtanche[i]},
        };
        for (const auto &[text, cell] : required)
            if (text.isEmpty())
                return refuse(TabSheet2, 82, cell);
        anyComplete = true;
    }
    if (!anyComplete)
        return refuse(TabSheet2, 81, ComboBoxNatureCanal[0]);
    return true;
}
