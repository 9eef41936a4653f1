#include "ddc/DDCUtil.h"
#include "ddc/VcpCodes.h"

#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace
{
struct CatalogueEntry
{
    const char* szName;
    const QString* pValue;
    int nExpected;
};

#define ENTRY(name, value) CatalogueEntry{#name, &name, value}

const QVector<CatalogueEntry> VCP_CODES = {
    ENTRY(VCP_PROPORTIONAL_MODE, 0x24), ENTRY(VCP_BRIGHTNESS, 0x10), ENTRY(VCP_COLOR_TYPE, 0xD8),
    ENTRY(VCP_COLOR_TEMPERATURE, 0x14), ENTRY(VCP_CONTRAST, 0x12), ENTRY(VCP_SCENARIO_MODE, 0x22),
    ENTRY(VCP_FACTORY_RESET, 0x04), ENTRY(VCP_ADAPTIVE_SYNC, 0xEB), ENTRY(VCP_GAME_CROSS, 0xE8),
    ENTRY(VCP_GAME_MODE, 0xE7), ENTRY(VCP_GAMMA, 0x72), ENTRY(VCP_GAMUT_MODE, 0xE2),
    ENTRY(VCP_HUE, 0x90), ENTRY(VCP_HUE_BLUE, 0x9F), ENTRY(VCP_HUE_CYAN, 0x9E),
    ENTRY(VCP_HUE_GREEN, 0x9D), ENTRY(VCP_HUE_MAGENTA, 0xA0), ENTRY(VCP_HUE_RED, 0x9B),
    ENTRY(VCP_HUE_YELLOW, 0x9C), ENTRY(VCP_INPUT_SOURCE, 0x60), ENTRY(VCP_OSD_LANGUAGE, 0xCC),
    ENTRY(VCP_LOW_BLUE_LIGHT, 0xE4), ENTRY(VCP_OVERDRIVE, 0xE9), ENTRY(VCP_DYNAMIC_RESPONSE_TIME, 0xEA),
    ENTRY(VCP_OWL, 0xD9), ENTRY(VCP_DISPLAY_REFRESH_RATE, 0xEC), ENTRY(VCP_RGB_RANGE, 0xE5),
    ENTRY(VCP_SATURATION, 0x8A), ENTRY(VCP_SATURATION_BLUE, 0x5D), ENTRY(VCP_SATURATION_CYAN, 0x5C),
    ENTRY(VCP_SATURATION_GREEN, 0x5B), ENTRY(VCP_SATURATION_MAGENTA, 0x5E), ENTRY(VCP_SATURATION_RED, 0x59),
    ENTRY(VCP_SATURATION_YELLOW, 0x5A), ENTRY(VCP_SHARPNESS, 0x87), ENTRY(VCP_SPEAKER_VOLUME, 0x62),
};

const QVector<CatalogueEntry> EE_SUB_CODES = {
    ENTRY(EE_LIGHT_BRIGHTNESS, 0x0D), ENTRY(EE_LIGHT_COLOR, 0x0C), ENTRY(EE_LIGHT_EFFECT, 0x0B),
    ENTRY(EE_LIGHT_SWITCH, 0x0A), ENTRY(EE_DYNAMIC_CONTRAST, 0x03), ENTRY(EE_HDMI_VERSION, 0x07),
    ENTRY(EE_HDR, 0x01), ENTRY(EE_ONE_CLICK_BATTLE, 0x00), ENTRY(EE_KVM, 0x08),
    ENTRY(EE_MPRT, 0x02), ENTRY(EE_PIP_PBP, 0x0E), ENTRY(EE_PIP_POSITION, 0x10),
    ENTRY(EE_PIP_SIZE, 0x11), ENTRY(EE_READING_LAMP, 0x05), ENTRY(EE_SUB_SIGNAL, 0x0F),
    ENTRY(EE_TYPEC_DSC, 0x09),
};

const QVector<CatalogueEntry> F0_SUB_CODES = {
    ENTRY(F0_ALLM, 0x0D), ENTRY(F0_DARK_ENHANCEMENT, 0x11), ENTRY(F0_GA_COLOR, 0x08),
    ENTRY(F0_GA_HORIZONTAL, 0x09), ENTRY(F0_GA_RANGE, 0x0B), ENTRY(F0_GA_VERTICAL, 0x0A),
    ENTRY(F0_SUB_18, 0x18), ENTRY(F0_SUB_1C, 0x1C), ENTRY(F0_HAWKEYE, 0x13),
    ENTRY(F0_SUB_1B, 0x1B), ENTRY(F0_ICE, 0x0E), ENTRY(F0_SUB_04, 0x04),
    ENTRY(F0_SUB_14, 0x14), ENTRY(F0_LIGHT_PERCEPTION, 0x10), ENTRY(F0_ENERGY_SAVING, 0x12),
    ENTRY(F0_SUB_1A, 0x1A), ENTRY(F0_SUB_05, 0x05), ENTRY(F0_SUB_00, 0x00),
    ENTRY(F0_SUB_01, 0x01), ENTRY(F0_DYNAMIC_BACKLIGHT, 0x0C), ENTRY(F0_SUB_02, 0x02),
    ENTRY(F0_LIGHT_ECO, 0x0F), ENTRY(F0_SUB_19, 0x19), ENTRY(F0_SUB_17, 0x17),
    ENTRY(F0_SUB_15, 0x15), ENTRY(F0_USB_MAINS, 0x06), ENTRY(F0_USB_UPGRADE, 0x07),
};

const QVector<CatalogueEntry> GROUP_CODES = {
    ENTRY(VCP_EE_SELECT, 0xEE), ENTRY(VCP_F0_SELECT, 0xF0), ENTRY(VCP_EE_DATA, 0xEF), ENTRY(VCP_F0_DATA, 0xF2),
};

const QVector<CatalogueEntry> USER_GAINS = {
    ENTRY(VCP_USER_BLUE, 0x1A), ENTRY(VCP_USER_GREEN, 0x18), ENTRY(VCP_USER_RED, 0x16),
};

#undef ENTRY

void AddTable(const char* szTable, const QVector<CatalogueEntry>& table)
{
    for (const CatalogueEntry& entry : table)
        QTest::addRow("%s %s", szTable, entry.szName) << *entry.pValue << entry.nExpected;
}
}

// The shared code texts: what the monitor receives and what the log shows.
class TestCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void codeTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        AddTable("vcp", VCP_CODES);
        AddTable("ee", EE_SUB_CODES);
        AddTable("f0", F0_SUB_CODES);
        AddTable("group", GROUP_CODES);
        AddTable("gain", USER_GAINS);
    }
    void codeTexts()
    {
        QFETCH(QString, text);
        QFETCH(int, expected);
        // One spelling only, so that the same code compares and logs the same everywhere.
        static const QRegularExpression s_reCode(QStringLiteral("^0x[0-9A-F]{2}$"));
        QVERIFY2(s_reCode.match(text).hasMatch(), qPrintable(text));
        QCOMPARE(text, QStringLiteral("0x") + QStringLiteral("%1").arg(expected, 2, 16, QLatin1Char('0')).toUpper());
        // What the plug-in is handed for a sub-code or code text.
        QCOMPARE(CDDCUtil::ValueFromText(text), expected);
    }

    void noTwoFeaturesShareACode_data()
    {
        QTest::addColumn<int>("table");
        QTest::newRow("vcp codes and gains") << 0;
        QTest::newRow("ee sub-codes") << 1;
        QTest::newRow("f0 sub-codes") << 2;
    }
    void noTwoFeaturesShareACode()
    {
        QFETCH(int, table);
        const QVector<CatalogueEntry> listEntries =
            table == 0 ? VCP_CODES + USER_GAINS + GROUP_CODES : (table == 1 ? EE_SUB_CODES : F0_SUB_CODES);
        QSet<QString> setSeen;
        for (const CatalogueEntry& entry : listEntries) {
            QVERIFY2(!setSeen.contains(*entry.pValue), entry.szName);
            setSeen.insert(*entry.pValue);
        }
    }

    void tableSizes()
    {
        QCOMPARE(VCP_CODES.size(), 36);
        QCOMPARE(EE_SUB_CODES.size(), 16);
        QCOMPARE(F0_SUB_CODES.size(), 27);
    }

    void subCodeMeansNothingWithoutItsSelector()
    {
        QCOMPARE(EE_LIGHT_BRIGHTNESS, F0_ALLM);
        QCOMPARE(VCP_BRIGHTNESS, EE_PIP_POSITION);
        QCOMPARE(VCP_USER_GREEN, F0_SUB_18);
    }

    void groupsPairSelectorWithData()
    {
        // The maker's own codes lie in the manufacturer range 0xE0..0xFF.
        for (const CatalogueEntry& entry : GROUP_CODES)
            QVERIFY2(entry.nExpected >= 0xE0 && entry.nExpected <= 0xFF, entry.szName);
        QCOMPARE(CDDCUtil::ValueFromText(VCP_EE_DATA), CDDCUtil::ValueFromText(VCP_EE_SELECT) + 1);
        QCOMPARE(CDDCUtil::ValueFromText(VCP_F0_DATA), CDDCUtil::ValueFromText(VCP_F0_SELECT) + 2);
    }

    void applicationTexts()
    {
        QCOMPARE(APP_VERSION, QStringLiteral("V1.0.1.26_Dev"));
        QCOMPARE(ORGANIZATION_NAME, QStringLiteral("ZVO"));
        QCOMPARE(CONFIG_FILE_NAME, QStringLiteral("/SystemConfig.ini"));
        QCOMPARE(VCP_FACTORY_RESET, QStringLiteral("0x04"));
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
