#pragma once
// The thirteen serial port properties as the "Properties" keys and the dialog's boxes hold them:
// texts, shown and stored as they are, and converted to the values the port takes.
#include <array>
#include <string>
#include <string_view>

#include "nmea/port_properties.h"
#include "settings/settings_keys.h"

namespace wl {

struct PortRow {
  SettingKey key;
  const char* box;     // the box's objectName
  const char* label;   // the caption left of the box
  const char* normal;  // the normal value shown right of it
};

// In the order every operation handles them.
inline constexpr std::array<PortRow, 13> kPortRows = {{
    {SettingKey::CommPort, "txtCommPort", "Comm Port: ", "1,2,3 .."},
    {SettingKey::DTREnable, "txtDTREnable", "DTR Enable: ", "True"},
    {SettingKey::Handshaking, "txtHandshaking", "Handshaking: ", "2 - comRTS"},
    {SettingKey::InBufferSize, "txtInBufferSize", "In Buffer Size: ", "1024"},
    {SettingKey::InputLen, "txtInputLen", "Input Len: ", "0"},
    {SettingKey::InputMode, "txtInputMode", "Input Mode: ", "0 - Text Mode"},
    {SettingKey::NullDiscard, "txtNullDiscard", "Null Discard: ", "True"},
    {SettingKey::OutBufferSize, "txtOutBufferSize", "Out Buffer Size: ", "512 or 1024"},
    {SettingKey::ParityReplace, "txtParityReplace", "Parity Replace: ", "?"},
    {SettingKey::RThreshold, "txtRThreshold", "R Threshold: ", "1"},
    {SettingKey::RTSEnable, "txtRTSEnable", "RTS Enable: ", "True"},
    {SettingKey::PortSettings, "txtSettings", "Settings: ", "4800, n, 8, 1"},
    {SettingKey::SThreshold, "txtSThreshold", "S Threshold: ", "1"},
}};

using PortTexts = std::array<std::string, kPortRows.size()>;

// The port's values as the boxes show them: whole numbers in decimal, booleans "True" or
// "False", texts as they are.
PortTexts PortValueTexts(const std::string& commPort, const PortProperties& p);

// The texts as the port takes them: whole numbers, booleans ("True", "False" or a number),
// Handshaking and InputMode by their first character, the port number box as a number or a
// device. A value the port cannot take gives false and a message naming it; the outputs are then
// untouched.
bool PortValuesFromTexts(const PortTexts& texts, std::string& commPort, PortProperties& p, std::string& error);

// The Input Mode box's own rule: one character, 0 or T becomes "0 - Text Mode", 1 or B
// "1 - Binary Mode" (either case); other texts stay as typed.
std::string InputModeText(std::string_view typed);

// The port number box names the n-th listed serial port by its number n (1 or more).
bool IsPortNumber(std::string_view commPort);

}  // namespace wl
