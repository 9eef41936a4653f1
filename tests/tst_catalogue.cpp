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
};

#define ENTRY(name) CatalogueEntry{#name, &name}

const QVector<CatalogueEntry> VCP_CODES = {
    ENTRY(VCP_PROPORTIONAL_MODE), ENTRY(VCP_BRIGHTNESS), ENTRY(VCP_COLOR_TYPE), ENTRY(VCP_COLOR_TEMPERATURE),
    ENTRY(VCP_CONTRAST), ENTRY(VCP_SCENARIO_MODE), ENTRY(VCP_FACTORY_RESET), ENTRY(VCP_ADAPTIVE_SYNC),
    ENTRY(VCP_GAME_CROSS), ENTRY(VCP_GAME_MODE), ENTRY(VCP_GAMMA), ENTRY(VCP_GAMUT_MODE), ENTRY(VCP_HUE),
    ENTRY(VCP_HUE_BLUE), ENTRY(VCP_HUE_CYAN), ENTRY(VCP_HUE_GREEN), ENTRY(VCP_HUE_MAGENTA),
    ENTRY(VCP_HUE_RED), ENTRY(VCP_HUE_YELLOW), ENTRY(VCP_INPUT_SOURCE), ENTRY(VCP_OSD_LANGUAGE),
    ENTRY(VCP_LOW_BLUE_LIGHT), ENTRY(VCP_OVERDRIVE), ENTRY(VCP_DYNAMIC_RESPONSE_TIME), ENTRY(VCP_OWL),
    ENTRY(VCP_DISPLAY_REFRESH_RATE), ENTRY(VCP_RGB_RANGE), ENTRY(VCP_SATURATION), ENTRY(VCP_SATURATION_BLUE),
    ENTRY(VCP_SATURATION_CYAN), ENTRY(VCP_SATURATION_GREEN), ENTRY(VCP_SATURATION_MAGENTA),
    ENTRY(VCP_SATURATION_RED), ENTRY(VCP_SATURATION_YELLOW), ENTRY(VCP_SHARPNESS), ENTRY(VCP_SPEAKER_VOLUME),
};

const QVector<CatalogueEntry> EE_SUB_CODES = {
    ENTRY(EE_LIGHT_BRIGHTNESS), ENTRY(EE_LIGHT_COLOR), ENTRY(EE_LIGHT_EFFECT), ENTRY(EE_LIGHT_SWITCH),
    ENTRY(EE_DYNAMIC_CONTRAST), ENTRY(EE_HDMI_VERSION), ENTRY(EE_HDR), ENTRY(EE_ONE_CLICK_BATTLE),
    ENTRY(EE_KVM), ENTRY(EE_MPRT), ENTRY(EE_PIP_PBP), ENTRY(EE_PIP_POSITION), ENTRY(EE_PIP_SIZE),
    ENTRY(EE_READING_LAMP), ENTRY(EE_SUB_SIGNAL), ENTRY(EE_TYPEC_DSC),
};

const QVector<CatalogueEntry> F0_SUB_CODES = {
    ENTRY(F0_ALLM), ENTRY(F0_DARK_ENHANCEMENT), ENTRY(F0_GA_COLOR), ENTRY(F0_GA_HORIZONTAL),
    ENTRY(F0_GA_RANGE), ENTRY(F0_GA_VERTICAL), ENTRY(F0_SUB_18), ENTRY(F0_SUB_1C), ENTRY(F0_HAWKEYE),
    ENTRY(F0_SUB_1B), ENTRY(F0_ICE), ENTRY(F0_SUB_04), ENTRY(F0_SUB_14), ENTRY(F0_LIGHT_PERCEPTION),
    ENTRY(F0_ENERGY_SAVING), ENTRY(F0_SUB_1A), ENTRY(F0_SUB_05), ENTRY(F0_SUB_00), ENTRY(F0_SUB_01),
    ENTRY(F0_DYNAMIC_BACKLIGHT), ENTRY(F0_SUB_02), ENTRY(F0_LIGHT_ECO), ENTRY(F0_SUB_19), ENTRY(F0_SUB_17),
    ENTRY(F0_SUB_15), ENTRY(F0_USB_MAINS), ENTRY(F0_USB_UPGRADE),
};

const QVector<CatalogueEntry> GROUP_CODES = {
    ENTRY(VCP_EE_SELECT), ENTRY(VCP_F0_SELECT), ENTRY(VCP_EE_DATA), ENTRY(VCP_F0_DATA),
};

const QVector<CatalogueEntry> USER_GAINS = {
    ENTRY(VCP_USER_BLUE), ENTRY(VCP_USER_GREEN), ENTRY(VCP_USER_RED),
};

#undef ENTRY

void AddTable(const char* szTable, const QVector<CatalogueEntry>& table)
{
    for (const CatalogueEntry& entry : table)
        QTest::addRow("%s %s", szTable, entry.szName) << *entry.pValue;
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
        AddTable("vcp", VCP_CODES);
        AddTable("ee", EE_SUB_CODES);
        AddTable("f0", F0_SUB_CODES);
        AddTable("group", GROUP_CODES);
        AddTable("gain", USER_GAINS);
    }
    void codeTexts()
    {
        QFETCH(QString, text);
        // One spelling only, so that the same code compares and logs the same everywhere.
        static const QRegularExpression s_reCode(QStringLiteral("^0x[0-9A-F]{2}$"));
        QVERIFY2(s_reCode.match(text).hasMatch(), qPrintable(text));
        // What the plug-in is handed for a sub-code or code text.
        QCOMPARE(CDDCUtil::ValueFromText(text), text.mid(2).toInt(nullptr, 16));
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
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
