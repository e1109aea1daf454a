#include "kalvo/store/surveyimport.h"

#include "common/win1252.h"
#include "kalvo/store/importfailure.h"
#include "kalvo/store/linereader.h"
#include "kalvo/store/numberparse.h"
#include "kalvo/store/tmd.h"

#include <algorithm>
#include <memory>

// A fixed-position reader: each line of a survey block is expected in turn, a
// key is looked for in it and the value is cut out at a position derived from
// the key. A line without its key is read as though the key began one
// character before the line.

namespace {

constexpr std::string_view kMicroUnitMarker = "dB\xB5V \t";
constexpr std::string_view kAbsentBase = "--.-";

class BlockReader {
public:
    BlockReader(TMD &store, const QString &fileName, bool noBase)
        : m_store(store), m_lines(fileName), m_noBase(noBase) {}

    void readAll() {
        m_line = m_lines.next();
        while (!m_line.empty()) {
            readSurveyBlock();
            for (int separator = 0; separator < 4; ++separator)
                m_lines.next();
            m_line = m_lines.next();
        }
    }

private:
    [[noreturn]] void fail(const QString &expected) const {
        throw ImportFailure(m_lines.lineNumber(), expected);
    }

    // Position of `key` in the current line, or -1.
    qsizetype keyPosition(std::string_view key) const {
        const size_t found = m_line.find(key);
        return found == std::string_view::npos ? -1 : qsizetype(found);
    }

    // The value of the current line that starts `gap` characters after `key`
    // and runs to the end of the line.
    std::string_view valueAfter(std::string_view key, qsizetype gap, const char *what) const {
        const qsizetype start = keyPosition(key) + qsizetype(key.size()) + gap;
        if (start > qsizetype(m_line.size()))
            fail(QStringLiteral("%1 after \"%2\"").arg(QLatin1String(what), QLatin1String(key)));
        return m_line.substr(size_t(start));
    }

    int32_t integerAfter(std::string_view key, const char *what) {
        m_line = m_lines.next();
        const std::string_view text = valueAfter(key, 1, what);
        const auto value = parseInteger(text);
        if (!value)
            fail(QStringLiteral("%1 as an integer after \"%2\"")
                     .arg(QLatin1String(what), QLatin1String(key)));
        return *value;
    }

    void readSurveyBlock() {
        auto survey = std::make_unique<Survey>();
        auto hardware = std::make_unique<Hardware>();

        survey->setSurveyDate(surveyDateFrom(m_line));
        m_lines.next(); // the empty line after the date line
        survey->setNbMeasurements(integerAfter("measurements =", "the number of measurements"));
        hardware->setSerialSwitchBox(integerAfter("Serial switchbox", "the switch box serial"));
        hardware->setSerialNbVEK(integerAfter("Serial number SONVAR", "the instrument serial"));
        hardware->setSerialNbPCB(integerAfter("Serial number PCB SONVAR", "the board serial"));
        const Hardware &set = m_store.addOrFindHardware(std::move(hardware));
        survey->setPressure(readPressure());
        if (!m_noBase) {
            readBase("Base measurement for black sensor = ", "the black base measurement", *survey,
                     &Survey::setBlackValue, &Survey::setNoBlackBase);
            readBase("Base measurement for red sensor = ", "the red base measurement", *survey,
                     &Survey::setRedValue, &Survey::setNoRedBase);
        } else {
            survey->setNoBlackBase(true);
            survey->setNoRedBase(true);
        }
        survey->setNoBaseValues(m_noBase);
        m_line = m_lines.next();
        survey->setReference(win1252::decode(valueAfter("Reference:", 1, "the reference")));
        survey->setHardwareId(set.id());
        survey->setId(++m_surveyCounter);
        readDataLines(*survey);
        m_store.appendSurvey(std::move(survey));
    }

    // "Survey started on Mon Mar 12 10:20:30 2007" gives
    // "Mon 12 Mar 2007 10:20:30". The fields are moved as they stand, without
    // any test of their form.
    static QString surveyDateFrom(std::string_view line) {
        const size_t on = line.find("on");
        const qsizetype position = on == std::string_view::npos ? -1 : qsizetype(on);
        const size_t drop = std::min(size_t(position + 3), line.size());
        std::string_view rest = line.substr(drop);
        // Cuts the text up to and including the first blank; nothing when
        // there is no blank.
        auto cutWord = [&rest]() {
            const size_t blank = rest.find(' ');
            if (blank == std::string_view::npos)
                return std::string_view();
            const std::string_view word = rest.substr(0, blank + 1);
            rest.remove_prefix(blank + 1);
            return word;
        };
        std::string date(cutWord()); // weekday
        const std::string_view month = cutWord();
        date += cutWord(); // day
        date += month;
        std::string_view time = cutWord();
        if (!time.empty())
            time.remove_suffix(1);
        date += rest; // year
        date += ' ';
        date += time;
        return win1252::decode(date);
    }

    int32_t readPressure() {
        m_line = m_lines.next();
        std::string_view text = valueAfter("Pressure =", 1, "the pressure");
        text = text.substr(0, text.find(' '));
        const auto value = parseInteger(text);
        if (!value)
            fail(QStringLiteral("the pressure as an integer after \"Pressure =\""));
        return *value;
    }

    void readBase(std::string_view key, const char *what, Survey &survey,
                  void (Survey::*setValue)(double), void (Survey::*setAbsent)(bool)) {
        m_line = m_lines.next();
        std::string_view text = valueAfter(key, 0, what);
        if (text.substr(0, kAbsentBase.size()) == kAbsentBase) {
            (survey.*setAbsent)(true);
            return;
        }
        const size_t tab = text.find('\t', 1);
        text = text.substr(0, tab);
        const auto value = parseDecimal(text);
        if (!value)
            fail(QStringLiteral("%1 as a decimal number").arg(QLatin1String(what)));
        (survey.*setValue)(*value);
    }

    void readDataLines(Survey &survey) {
        const int32_t count = survey.nbMeasurements();
        if (count <= 0)
            return;
        // A well-formed value line takes more than 8 bytes: never reserve more
        // than the rest of the file can hold.
        survey.reserveData(size_t(std::min<qint64>(count, m_lines.remainingBytes() / 8 + 1)));
        int32_t redCounter = 1;
        int32_t blackCounter = 1;
        for (int32_t i = 0; i < count; ++i) {
            m_line = m_lines.next();
            const auto value = parseDecimal(m_line.substr(0, m_line.find('\t')));
            if (!value)
                fail(QStringLiteral("measured value %1 of %2 as a decimal number")
                         .arg(i + 1)
                         .arg(count));
            const size_t marker = m_line.find(kMicroUnitMarker);
            const size_t restStart =
                marker == std::string_view::npos ? 5 : marker + kMicroUnitMarker.size();
            const std::string_view rest =
                restStart < m_line.size() ? m_line.substr(restStart) : std::string_view();
            const char sensor = rest.find("Black") != std::string_view::npos ? 'B' : 'R';
            int32_t &counter = sensor == 'B' ? blackCounter : redCounter;
            survey.appendData(Data(survey.id(), counter++, *value, sensor));
        }
    }

    TMD &m_store;
    LineReader m_lines;
    bool m_noBase;
    std::string_view m_line;
    int32_t m_surveyCounter = 0;
};

} // namespace

void importSurveyDocumentInto(TMD &store, const QString &fileName, bool noBase) {
    store.clearSurveys();
    BlockReader reader(store, fileName, noBase);
    reader.readAll();
}
