#pragma once

#include <QString>

// Every VCP code and sub-code the client sends, as the exact text that is passed, compared and
// logged: "0x" and two upper-case hex digits. A sub-code means nothing without its selector.

inline const QString APP_VERSION = QStringLiteral("V1.0.1.26_Dev");
inline const QString ORGANIZATION_NAME = QStringLiteral("ZVO");
inline const QString CONFIG_FILE_NAME = QStringLiteral("/SystemConfig.ini");

// VCP codes
inline const QString VCP_PROPORTIONAL_MODE = QStringLiteral("0x24");
inline const QString VCP_BRIGHTNESS = QStringLiteral("0x10");
inline const QString VCP_COLOR_TYPE = QStringLiteral("0xD8");
inline const QString VCP_COLOR_TEMPERATURE = QStringLiteral("0x14");
inline const QString VCP_CONTRAST = QStringLiteral("0x12");
inline const QString VCP_SCENARIO_MODE = QStringLiteral("0x22");
inline const QString VCP_FACTORY_RESET = QStringLiteral("0x04");
inline const QString VCP_ADAPTIVE_SYNC = QStringLiteral("0xEB");
inline const QString VCP_GAME_CROSS = QStringLiteral("0xE8");
inline const QString VCP_GAME_MODE = QStringLiteral("0xE7");
inline const QString VCP_GAMMA = QStringLiteral("0x72");
inline const QString VCP_GAMUT_MODE = QStringLiteral("0xE2");
inline const QString VCP_HUE = QStringLiteral("0x90");
inline const QString VCP_HUE_BLUE = QStringLiteral("0x9F");
inline const QString VCP_HUE_CYAN = QStringLiteral("0x9E");
inline const QString VCP_HUE_GREEN = QStringLiteral("0x9D");
inline const QString VCP_HUE_MAGENTA = QStringLiteral("0xA0");
inline const QString VCP_HUE_RED = QStringLiteral("0x9B");
inline const QString VCP_HUE_YELLOW = QStringLiteral("0x9C");
inline const QString VCP_INPUT_SOURCE = QStringLiteral("0x60");
inline const QString VCP_OSD_LANGUAGE = QStringLiteral("0xCC");
inline const QString VCP_LOW_BLUE_LIGHT = QStringLiteral("0xE4");
inline const QString VCP_OVERDRIVE = QStringLiteral("0xE9");
inline const QString VCP_DYNAMIC_RESPONSE_TIME = QStringLiteral("0xEA");
inline const QString VCP_OWL = QStringLiteral("0xD9");
inline const QString VCP_DISPLAY_REFRESH_RATE = QStringLiteral("0xEC");
inline const QString VCP_RGB_RANGE = QStringLiteral("0xE5");
inline const QString VCP_SATURATION = QStringLiteral("0x8A");
inline const QString VCP_SATURATION_BLUE = QStringLiteral("0x5D");
inline const QString VCP_SATURATION_CYAN = QStringLiteral("0x5C");
inline const QString VCP_SATURATION_GREEN = QStringLiteral("0x5B");
inline const QString VCP_SATURATION_MAGENTA = QStringLiteral("0x5E");
inline const QString VCP_SATURATION_RED = QStringLiteral("0x59");
inline const QString VCP_SATURATION_YELLOW = QStringLiteral("0x5A");
inline const QString VCP_SHARPNESS = QStringLiteral("0x87");
inline const QString VCP_SPEAKER_VOLUME = QStringLiteral("0x62");

// Sub-codes of the EE group (selector 0xEE, data 0xEF)
inline const QString EE_LIGHT_BRIGHTNESS = QStringLiteral("0x0D");
inline const QString EE_LIGHT_COLOR = QStringLiteral("0x0C");
inline const QString EE_LIGHT_EFFECT = QStringLiteral("0x0B");
inline const QString EE_LIGHT_SWITCH = QStringLiteral("0x0A");
inline const QString EE_DYNAMIC_CONTRAST = QStringLiteral("0x03");
inline const QString EE_HDMI_VERSION = QStringLiteral("0x07");
inline const QString EE_HDR = QStringLiteral("0x01");
inline const QString EE_ONE_CLICK_BATTLE = QStringLiteral("0x00");
inline const QString EE_KVM = QStringLiteral("0x08");
inline const QString EE_MPRT = QStringLiteral("0x02");
inline const QString EE_PIP_PBP = QStringLiteral("0x0E");
inline const QString EE_PIP_POSITION = QStringLiteral("0x10");
inline const QString EE_PIP_SIZE = QStringLiteral("0x11");
inline const QString EE_READING_LAMP = QStringLiteral("0x05");
inline const QString EE_SUB_SIGNAL = QStringLiteral("0x0F");
inline const QString EE_TYPEC_DSC = QStringLiteral("0x09");

// Sub-codes of the F0 group (selector 0xF0, data 0xF2); the unnamed ones are declared for
// completeness and used nowhere.
inline const QString F0_ALLM = QStringLiteral("0x0D");
inline const QString F0_DARK_ENHANCEMENT = QStringLiteral("0x11");
inline const QString F0_GA_COLOR = QStringLiteral("0x08");
inline const QString F0_GA_HORIZONTAL = QStringLiteral("0x09");
inline const QString F0_GA_RANGE = QStringLiteral("0x0B");
inline const QString F0_GA_VERTICAL = QStringLiteral("0x0A");
inline const QString F0_SUB_18 = QStringLiteral("0x18");
inline const QString F0_SUB_1C = QStringLiteral("0x1C");
inline const QString F0_HAWKEYE = QStringLiteral("0x13");
inline const QString F0_SUB_1B = QStringLiteral("0x1B");
inline const QString F0_ICE = QStringLiteral("0x0E");
inline const QString F0_SUB_04 = QStringLiteral("0x04");
inline const QString F0_SUB_14 = QStringLiteral("0x14");
inline const QString F0_LIGHT_PERCEPTION = QStringLiteral("0x10");
inline const QString F0_ENERGY_SAVING = QStringLiteral("0x12");
inline const QString F0_SUB_1A = QStringLiteral("0x1A");
inline const QString F0_SUB_05 = QStringLiteral("0x05");
inline const QString F0_SUB_00 = QStringLiteral("0x00");
inline const QString F0_SUB_01 = QStringLiteral("0x01");
inline const QString F0_DYNAMIC_BACKLIGHT = QStringLiteral("0x0C");
inline const QString F0_SUB_02 = QStringLiteral("0x02");
inline const QString F0_LIGHT_ECO = QStringLiteral("0x0F");
inline const QString F0_SUB_19 = QStringLiteral("0x19");
inline const QString F0_SUB_17 = QStringLiteral("0x17");
inline const QString F0_SUB_15 = QStringLiteral("0x15");
inline const QString F0_USB_MAINS = QStringLiteral("0x06");
inline const QString F0_USB_UPGRADE = QStringLiteral("0x07");

// Selector and data codes of the two groups
inline const QString VCP_EE_SELECT = QStringLiteral("0xEE");
inline const QString VCP_F0_SELECT = QStringLiteral("0xF0");
inline const QString VCP_EE_DATA = QStringLiteral("0xEF");
inline const QString VCP_F0_DATA = QStringLiteral("0xF2");

// User-mode colour gains
inline const QString VCP_USER_BLUE = QStringLiteral("0x1A");
inline const QString VCP_USER_GREEN = QStringLiteral("0x18");
inline const QString VCP_USER_RED = QStringLiteral("0x16");
