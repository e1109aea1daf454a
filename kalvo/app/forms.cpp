#include "kalvo/app/forms.h"

#include "kalvo/app/languages.h"
#include "kalvo/app/menu.h"
#include "kalvo/graphs/graphsgui.h"
#include "kalvo/graphs/reportflows.h"
#include "kalvo/reports/combofill.h"
#include "kalvo/reports/fileselectiongui.h"
#include "kalvo/reports/ownergui.h"
#include "kalvo/store/tmd.h"

TForm1 *Form1 = nullptr;
TForm2 *Form2 = nullptr;
TForm3 *Form3 = nullptr;
TForm5 *Form5 = nullptr;
TForm6 *Form6 = nullptr;

KalvoForms::KalvoForms() {
    languageDispatcher().setActiveLanguage(kDefaultLanguage);
    m_store = std::make_unique<TMD>();
    MD = m_store.get();
    m_mainWindow = std::make_unique<TForm1>();
    Form1 = m_mainWindow.get();
    // The secondary windows are modal over the main window, which owns them.
    Form2 = new TForm2(Form1);
    Form3 = new TForm3(Form1);
    Form5 = new TForm5(Form1);
    Form6 = new TForm6(Form1);
    QObject::connect(Form2, &TForm2::ownerChanged, Form1, &TForm1::showSupplierContact);
    connectReportFlows(*Form3);
}

KalvoForms::~KalvoForms() {
    Form6 = nullptr;
    Form5 = nullptr;
    Form3 = nullptr;
    Form2 = nullptr;
    m_mainWindow.reset(); // and the windows it owns
    Form1 = nullptr;
    m_store.reset();
    MD = nullptr;
}
