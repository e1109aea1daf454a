#pragma once
// The COM port dialog: one of "COM 1" ... "COM 16", stored in the registry
// value "ComPort" at every change of the selection, and, on Linux, the device
// that the selected COM reaches.

#include <QDialog>
#include <QString>

class QComboBox;
class QLabel;

class CPortSetup : public QDialog {
    Q_OBJECT
public:
    // `portIndex` is the caller's current port; the stored value replaces it
    // when the dialog opens. `devRoot` is "/dev" except in tests.
    explicit CPortSetup(int portIndex, QWidget *parent = nullptr,
                        QString devRoot = QStringLiteral("/dev"));

    // The selected port index (0 is COM1); valid after the dialog closed
    // with OK. A stored index outside the list is kept as it is.
    int portIndex() const { return m_portIndex; }

    QComboBox *portList() const { return m_portList; }
    QComboBox *deviceField() const { return m_device; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void loadStoredPort();
    void onPortChosen(int index);
    void onDeviceChosen();
    void refreshDevices();
    void showDeviceOfPort();

    int m_portIndex;
    QString m_devRoot;
    bool m_loaded = false;
    QComboBox *m_portList;
    QComboBox *m_device;
};
