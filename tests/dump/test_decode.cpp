// Decoding the instrument's memory: CRC-16, packed text, survey records and
// the walk over the records.

#include "survey/dump/crc16.h"
#include "survey/dump/dumpwalk.h"
#include "survey/dump/surveyrecord.h"

#include <QTest>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void put16(Bytes &bytes, size_t at, uint16_t value) {
    bytes[at] = uint8_t(value >> 8);
    bytes[at + 1] = uint8_t(value);
}

void put32(Bytes &bytes, size_t at, uint32_t value) {
    put16(bytes, at, uint16_t(value >> 16));
    put16(bytes, at + 2, uint16_t(value));
}

// A survey record announcing `count` level words, with `levelBytes` of them
// present (all of them unless told), everything else 0.
Bytes survey(uint32_t count, size_t levelBytes = size_t(-1)) {
    Bytes bytes(50 + std::min<size_t>(levelBytes, 2 * size_t(count)) + 12, 0);
    bytes[0] = 0xBF;
    bytes[1] = 0xF8;
    put32(bytes, 10, count);
    return bytes;
}

Bytes other(uint8_t first, uint8_t second, size_t length) {
    Bytes bytes(length, 0x33);
    bytes[0] = first;
    bytes[1] = second;
    return bytes;
}

Bytes join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// One record with a raw black base, red base and level word.
SurveyRecord decodedWith(uint16_t blackBase, uint16_t redBase, uint16_t level) {
    Bytes bytes = survey(1);
    put16(bytes, 32, blackBase);
    put16(bytes, 34, redBase);
    put16(bytes, 50, level);
    return DecodeSurveyRecord(bytes.data());
}

} // namespace

Q_DECLARE_METATYPE(Bytes)

class TestDumpDecode : public QObject {
    Q_OBJECT

private slots:
    void crc16_data() {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("expected");
        QTest::newRow("check value") << QByteArray("123456789") << 0x31C3;
        QTest::newRow("nothing") << QByteArray() << 0;
        QTest::newRow("A") << QByteArray("A") << 0x58E5;
        QTest::newRow("zero byte") << QByteArray(1, '\0') << 0;
    }
    void crc16() {
        QFETCH(QByteArray, data);
        QFETCH(int, expected);
        const auto *bytes = reinterpret_cast<const uint8_t *>(data.constData());
        QCOMPARE(int(Crc16(bytes, size_t(data.size()), 0)), expected);
    }

    void crc16ContinuesFromAPreviousValue() {
        const auto *digits = reinterpret_cast<const uint8_t *>("123456789");
        QCOMPARE(int(Crc16(digits + 4, 5, Crc16(digits, 4, 0))), 0x31C3);
    }

    void packedText_data() {
        QTest::addColumn<QByteArray>("tenBytes");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("all zero: 12 blanks") << QByteArray(10, '\0') << QByteArray();
        QTest::newRow("A") << QByteArray::fromHex("08400000000000000000") << QByteArray("A");
        QTest::newRow("unused bits ignored")
            << QByteArray::fromHex("F840000000000000000F") << QByteArray("A");
        QTest::newRow("inner blank kept")
            << QByteArray::fromHex("08408800000000000000") << QByteArray("A B");
        QTest::newRow("leading blank kept")
            << QByteArray::fromHex("00380000000000000000") << QByteArray(" X");
        QTest::newRow("all ones: 12 underscores")
            << QByteArray(10, '\xFF') << QByteArray("____________");
        QTest::newRow("last code in the last bits")
            << QByteArray::fromHex("00000000000000000210") << QByteArray("           A");
    }
    void packedText() {
        QFETCH(QByteArray, tenBytes);
        QFETCH(QByteArray, expected);
        const auto *bytes = reinterpret_cast<const uint8_t *>(tenBytes.constData());
        QCOMPARE(QByteArray::fromStdString(DecodePackedText(bytes)), expected);
    }

    void baseEncoding_data() {
        QTest::addColumn<int>("raw");
        QTest::addColumn<bool>("present");
        QTest::addColumn<int>("tenths");
        QTest::newRow("no-base marker 500") << 500 << false << 0;
        QTest::newRow("501") << 501 << true << 1;
        QTest::newRow("499") << 499 << true << -1;
        QTest::newRow("0") << 0 << true << -500;
        QTest::newRow("0xFFFF wraps") << 0xFFFF << true << -501;
        QTest::newRow("33267") << 33267 << true << 32767;
        QTest::newRow("33268 wraps") << 33268 << true << -32768;
    }
    void baseEncoding() {
        QFETCH(int, raw);
        QFETCH(bool, present);
        QFETCH(int, tenths);
        const SurveyRecord record = decodedWith(uint16_t(raw), uint16_t(raw), 0x81F4);
        for (const std::optional<int16_t> &base : {record.baseBlack, record.baseRed}) {
            QCOMPARE(base.has_value(), present);
            if (present)
                QCOMPARE(int(*base), tenths);
        }
    }

    void levelWord_data() {
        QTest::addColumn<int>("word");
        QTest::addColumn<bool>("black");
        QTest::addColumn<int>("tenths");
        QTest::newRow("0x81F4: black 0.0") << 0x81F4 << true << 0;
        QTest::newRow("0x0000: red -50.0") << 0x0000 << false << -500;
        QTest::newRow("0x7FFF: red 3226.7") << 0x7FFF << false << 32267;
        QTest::newRow("0xFFFF: black 3226.7") << 0xFFFF << true << 32267;
        QTest::newRow("0x01F3: red -0.1") << 0x01F3 << false << -1;
    }
    void levelWord() {
        QFETCH(int, word);
        QFETCH(bool, black);
        QFETCH(int, tenths);
        const SurveyRecord record = decodedWith(500, 500, uint16_t(word));
        QCOMPARE(record.levels.size(), size_t(1));
        QCOMPARE(record.levels[0].sensor == Sensor::Black, black);
        QCOMPARE(int(record.levels[0].tenths), tenths);
    }

    void surveyRecordFields() {
        Bytes bytes = survey(3);
        std::fill(bytes.begin() + 2, bytes.begin() + 6, 0xEE); // not interpreted
        put32(bytes, 6, 1700000000);
        std::fill(bytes.begin() + 14, bytes.begin() + 18, 0xEE);
        put32(bytes, 18, 0x80000000u);
        put32(bytes, 22, 4711);
        put32(bytes, 26, 0xFFFFFFFFu);
        put16(bytes, 30, 0xFFEC);
        put16(bytes, 32, 500 + 234);
        put16(bytes, 34, 500);
        const QByteArray reference = QByteArray::fromHex("08408800000000000000");
        std::copy(reference.begin(), reference.end(), bytes.begin() + 36);
        std::fill(bytes.begin() + 46, bytes.begin() + 50, 0xEE);
        put16(bytes, 50, 0x81F4);
        put16(bytes, 52, 0x0000 + 620);
        put16(bytes, 54, 0x8000 + 1500);
        std::fill(bytes.begin() + 56, bytes.end(), 0xEE);

        const SurveyRecord record = DecodeSurveyRecord(bytes.data());
        QCOMPARE(record.startTime, 1700000000u);
        QCOMPARE(record.switchBoxSerial, 0x80000000u);
        QCOMPARE(record.instrumentSerial, 4711u);
        QCOMPARE(record.boardSerial, 0xFFFFFFFFu);
        QCOMPARE(int(record.pressure), -20);
        QCOMPARE(record.baseBlack, std::optional<int16_t>(234));
        QCOMPARE(record.baseRed.has_value(), false);
        QCOMPARE(record.reference, std::string("A B"));
        QCOMPARE(record.levels.size(), size_t(3));
        QCOMPARE(int(record.levels[1].tenths), 120);
        QVERIFY(record.levels[1].sensor == Sensor::Red);
        QCOMPARE(int(record.levels[2].tenths), 1000);
        QVERIFY(record.levels[2].sensor == Sensor::Black);
    }

    void walk_data() {
        QTest::addColumn<Bytes>("image");
        QTest::addColumn<int>("surveys");
        QTest::addColumn<bool>("incomplete");
        QTest::addColumn<int>("stopOffset");
        const Bytes end{0xC0};
        QTest::newRow("no bytes") << Bytes{} << 0 << false << 0;
        QTest::newRow("first byte 0xC0") << join({end, survey(1)}) << 0 << false << 0;
        QTest::newRow("first byte 0xFF") << Bytes{0xFF, 0xBF, 0xF8} << 0 << false << 0;
        QTest::newRow("two surveys among 12- and 10-byte records")
            << join({other(0x00, 0, 12), survey(2), other(0x7F, 0xF8, 12), other(0x80, 0xF8, 10),
                     survey(1), other(0xBE, 0xF8, 10), end})
            << 2 << false << 12 + 66 + 12 + 10 + 64 + 10;
        QTest::newRow("0xBF without 0xF8 is a 10-byte record")
            << join({other(0xBF, 0x00, 10), survey(0), end}) << 1 << false << 72;
        QTest::newRow("N = 0 is 62 bytes")
            << join({survey(0), survey(0), end}) << 2 << false << 124;
        QTest::newRow("walk ends at the end of the valid bytes")
            << join({survey(1), other(0x10, 0, 12)}) << 1 << false << 76;
        QTest::newRow("12-byte record past the end") << Bytes{0x05, 1, 2} << 0 << false << 3;
        QTest::newRow("lone 0xBF at the end") << join({survey(0), Bytes{0xBF}}) << 1 << false << 63;
        QTest::newRow("levels cut short") << join({survey(0), survey(5, 9)}) << 1 << true << 62;
        QTest::newRow("fixed part cut short")
            << join({survey(0), Bytes{0xBF, 0xF8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}}) << 1 << true
            << 62;
        QTest::newRow("N of 2^32 - 1") << survey(0xFFFFFFFFu, 100) << 0 << true << 0;
    }
    void walk() {
        QFETCH(Bytes, image);
        QFETCH(int, surveys);
        QFETCH(bool, incomplete);
        QFETCH(int, stopOffset);
        // An exact-size heap copy, so that a sanitizer sees any read past it.
        const auto copy = std::make_unique<uint8_t[]>(image.size());
        std::copy(image.begin(), image.end(), copy.get());
        std::vector<size_t> offsets;
        const DumpWalkResult result =
            WalkDump(copy.get(), image.size(), [&](const uint8_t *record) {
                offsets.push_back(size_t(record - copy.get()));
                DecodeSurveyRecord(record);
            });
        QCOMPARE(int(result.surveyCount), surveys);
        QCOMPARE(int(offsets.size()), surveys);
        QCOMPARE(result.incompleteLastRecord, incomplete);
        QCOMPARE(int(result.stopOffset), stopOffset);
    }
};

QTEST_GUILESS_MAIN(TestDumpDecode)
#include "test_decode.moc"
