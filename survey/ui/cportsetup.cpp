#include "survey/ui/cportsetup.h"

#include "common/ui/platformservice.h"
#include "survey/link/comportmap.h"
#include "survey/ui/cregistry.h"
#include "survey/ui/serialdevices.h"
#include "survey/ui/surveyregistry.h"
#include "survey/ui/surveytexts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kPortCount = 16;
}

CPortSetup::CPortSetup(int portIndex, QWidget *parent, QString devRoot)
    : QDialog(parent), m_portIndex(portIndex), m_devRoot(std::move(devRoot)),
      m_portList(new QComboBox(this)), m_device(new QComboBox(this)) {
    setWindowTitle(QStringLiteral("Dialog"));

    for (int i = 1; i <= kPortCount; ++i)
        m_portList->addItem(QStringLiteral("COM %1").arg(i));
    m_portList->setMaxVisibleItems(8); // the Windows list scrolled after a few items
    m_portList->setAccessibleName(QStringLiteral("Port"));

    m_device->setEditable(true);
    m_device->setInsertPolicy(QComboBox::NoInsert);
    m_device->setAccessibleName(QStringLiteral("Device"));
    m_device->setToolTip(QStringLiteral(
        "The serial device this COM port reaches: pick one of the devices present or type a path"));
    m_device->setMinimumContentsLength(28);
    m_device->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);

    auto *form = new QFormLayout;
    auto *portLabel = new QLabel(QStringLiteral("Port :"), this);
    portLabel->setBuddy(m_portList);
    form->addRow(portLabel, m_portList);
    auto *deviceLabel = new QLabel(QStringLiteral("Device :"), this);
    deviceLabel->setBuddy(m_device);
    form->addRow(deviceLabel, m_device);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_portList, &QComboBox::activated, this, &CPortSetup::onPortChosen);
    connect(m_device, &QComboBox::activated, this, &CPortSetup::onDeviceChosen);
    connect(m_device->lineEdit(), &QLineEdit::editingFinished, this, &CPortSetup::onDeviceChosen);
}

void CPortSetup::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    if (!m_loaded) {
        m_loaded = true;
        loadStoredPort();
    }
}

void CPortSetup::loadStoredPort() {
    // The stored value takes the place of the index handed over by the caller.
    CRegistry registry;
    m_portIndex = 0;
    if (!registry.Open(SurveyRegistry::keyPath))
        platform().message(this, QMessageBox::Warning, SurveyText::messageCaption,
                           SurveyText::errorCreatingKey);
    else
        m_portIndex = SurveyRegistry::readPortIndex(registry);
    // An index outside the list (a stored 20) selects nothing.
    m_portList->setCurrentIndex(m_portIndex < kPortCount ? m_portIndex : -1);
    refreshDevices();
    showDeviceOfPort();
}

void CPortSetup::onPortChosen(int index) {
    m_portIndex = index;
    CRegistry registry;
    if (registry.Open(SurveyRegistry::keyPath))
        registry.WriteDword(SurveyRegistry::portValue,
                            uint32_t(index)); // a failure is not reported
    showDeviceOfPort();
}

void CPortSetup::onDeviceChosen() {
    // Kept at once, like the port itself; an empty field goes back to the
    // default device of the port, shown as such.
    const QString device = m_device->currentText().trimmed();
    if (device != ComPortDevice(m_portIndex))
        SetComPortDevice(m_portIndex, device);
    if (device.isEmpty())
        showDeviceOfPort();
}

void CPortSetup::refreshDevices() {
    const QString shown = m_device->currentText();
    m_device->clear();
    m_device->addItems(presentSerialDevices(m_devRoot));
    m_device->setEditText(shown);
}

void CPortSetup::showDeviceOfPort() {
    m_device->setEditText(ComPortDevice(m_portIndex));
}
