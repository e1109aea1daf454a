#pragma once
#include <cstdint>

// One measuring set: the switch box, the SONVAR instrument and its board.
class Hardware {
public:
    Hardware() = default;

    int32_t id() const { return m_id; }
    void setId(int32_t id) { m_id = id; }
    int32_t serialSwitchBox() const { return m_serialSwitchBox; }
    void setSerialSwitchBox(int32_t serial) { m_serialSwitchBox = serial; }
    int32_t serialNbVEK() const { return m_serialNbVEK; }
    void setSerialNbVEK(int32_t serial) { m_serialNbVEK = serial; }
    int32_t serialNbPCB() const { return m_serialNbPCB; }
    void setSerialNbPCB(int32_t serial) { m_serialNbPCB = serial; }

    // Two records describe the same set when the three serial numbers agree;
    // the id is only the position in the store.
    bool isSameSet(const Hardware &other) const {
        return m_serialSwitchBox == other.m_serialSwitchBox &&
               m_serialNbVEK == other.m_serialNbVEK && m_serialNbPCB == other.m_serialNbPCB;
    }

private:
    int32_t m_id = 0;
    int32_t m_serialSwitchBox = 0;
    int32_t m_serialNbVEK = 0;
    int32_t m_serialNbPCB = 0;
};
