#include "kalvo/reports/fileselectiongui.h"

#include "kalvo/app/windowtranslator.h"

TForm6::TForm6(QWidget *parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TForm6"));
    setWindowTitle(QStringLiteral("Generate report"));
    m_texts = new WindowTranslator(this);
}
