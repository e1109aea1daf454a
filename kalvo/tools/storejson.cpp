#include "kalvo/tools/storejson.h"

#include "kalvo/store/tmd.h"

#include <charconv>
#include <functional>
#include <stdexcept>

namespace {

// A small streaming writer: QJsonObject would sort the keys.
class JsonWriter {
public:
    QByteArray &out() { return m_out; }

    void key(const char *name) {
        separate();
        m_out += '"';
        m_out += name;
        m_out += "\":";
        m_needComma = false;
    }
    void string(const QString &text) {
        separate();
        m_out += '"';
        for (char16_t c : text.toStdU16String()) {
            switch (c) {
            case u'"':
                m_out += "\\\"";
                break;
            case u'\\':
                m_out += "\\\\";
                break;
            case u'\n':
                m_out += "\\n";
                break;
            case u'\r':
                m_out += "\\r";
                break;
            case u'\t':
                m_out += "\\t";
                break;
            default:
                if (c < 0x20)
                    m_out +=
                        QByteArray("\\u00") + QByteArray::number(int(c), 16).rightJustified(2, '0');
                else
                    m_out += QString(QChar(c)).toUtf8();
            }
        }
        m_out += '"';
        m_needComma = true;
    }
    void integer(qint64 value) {
        separate();
        m_out += QByteArray::number(value);
        m_needComma = true;
    }
    void number(double value) {
        separate();
        char buffer[32];
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
        m_out.append(buffer, result.ptr - buffer);
        m_needComma = true;
    }
    void boolean(bool value) {
        separate();
        m_out += value ? "true" : "false";
        m_needComma = true;
    }
    void null() {
        separate();
        m_out += "null";
        m_needComma = true;
    }
    void open(char bracket) {
        separate();
        m_out += bracket;
        m_needComma = false;
    }
    void close(char bracket) {
        m_out += bracket;
        m_needComma = true;
    }

private:
    void separate() {
        if (m_needComma)
            m_out += ',';
        m_needComma = false;
    }
    QByteArray m_out;
    bool m_needComma = false;
};

// A rendering that raises its conversion error is written as null.
void rendering(JsonWriter &json, const char *name, const std::function<QString()> &render) {
    json.key(name);
    try {
        json.string(render());
    } catch (const std::exception &) {
        json.null();
    }
}

void writeSurvey(JsonWriter &json, const Survey &survey) {
    json.open('{');
    json.key("id");
    json.integer(survey.id());
    json.key("hardwareId");
    json.integer(survey.hardwareId());
    json.key("surveyDate");
    json.string(survey.surveyDate());
    json.key("nbMeasurements");
    json.integer(survey.nbMeasurements());
    json.key("pressure");
    json.integer(survey.pressure());
    json.key("blackValue");
    json.number(survey.blackValue());
    json.key("redValue");
    json.number(survey.redValue());
    json.key("reference");
    json.string(survey.reference());
    json.key("noBaseValues");
    json.boolean(survey.noBaseValues());
    json.key("noBlackBase");
    json.boolean(survey.noBlackBase());
    json.key("noRedBase");
    json.boolean(survey.noRedBase());
    json.key("data");
    json.open('[');
    for (const Data &data : survey.dataList()) {
        json.open('{');
        json.key("surveyId");
        json.integer(data.surveyId());
        json.key("id");
        json.integer(data.id());
        json.key("dataValue");
        json.number(data.dataValue());
        json.key("sensor");
        json.string(QString(QChar(data.sensor())));
        json.close('}');
    }
    json.close(']');
    rendering(json, "surveyText", [&] { return survey.surveyText(); });
    rendering(json, "redValuesText", [&] { return survey.redValuesText(); });
    rendering(json, "blackValuesText", [&] { return survey.blackValuesText(); });
    rendering(json, "frenchDateText", [&] { return survey.frenchDateText(); });
    rendering(json, "englishDateText", [&] { return survey.englishDateText(); });
    rendering(json, "time12Text", [&] { return survey.time12Text(); });
    rendering(json, "time24Text", [&] { return survey.time24Text(); });
    json.close('}');
}

} // namespace

QByteArray storeToJson(const TMD &store) {
    JsonWriter json;
    json.open('{');
    json.key("hardware");
    json.open('[');
    for (const auto &hardware : store.hardwareList()) {
        json.open('{');
        json.key("id");
        json.integer(hardware->id());
        json.key("serialSwitchBox");
        json.integer(hardware->serialSwitchBox());
        json.key("serialNbVEK");
        json.integer(hardware->serialNbVEK());
        json.key("serialNbPCB");
        json.integer(hardware->serialNbPCB());
        json.close('}');
    }
    json.close(']');
    json.key("surveys");
    json.open('[');
    for (const auto &survey : store.surveyList())
        writeSurvey(json, *survey);
    json.close(']');
    json.close('}');
    json.out() += '\n';
    return json.out();
}
