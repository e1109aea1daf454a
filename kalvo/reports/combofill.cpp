#include "kalvo/reports/combofill.h"

#include "kalvo/app/windowtranslator.h"

TForm5::TForm5(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("Operators List"));
    m_texts = new WindowTranslator(this);
}
