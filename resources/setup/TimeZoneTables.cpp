// The time-zone tables as resources of the type "MYTIME_ZONE": id 172 holds
// the 74 zones of the display list (212 bytes each), id 173 one entry per
// distinct offset (308 bytes each), least significant byte first.
#include "resources/setup/SetupResources.h"

#include "link/ByteOrder.h"

#include <cstring>
#include <vector>

namespace
{

constexpr int kZoneCount = 74;
constexpr int kOffsetCount = 33;

struct ZoneText {
    int32_t offset;
    const char* text;
};

const ZoneText kZones[kZoneCount] = {
    { -43200, "(GMT-12:00) Eniwetok, Kwajalein" },
    { -39600, "(GMT-11:00) Midway Island, Samoa" },
    { -36000, "(GMT-10:00) Hawaii" },
    { -32400, "(GMT-09:00) Alaska" },
    { -28800, "(GMT-08:00) Pacific Time (US & Canada); Tijuana" },
    { -25200, "(GMT-07:00) Arizona" },
    { -25200, "(GMT-07:00) Mountain Time (US & Canada)" },
    { -21600, "(GMT-06:00) Central America" },
    { -21600, "(GMT-06:00) Central Time (US & Canada)" },
    { -21600, "(GMT-06:00) Mexico City" },
    { -21600, "(GMT-06:00) Saskatchewan" },
    { -18000, "(GMT-05:00) Bogota, Lima, Quito" },
    { -18000, "(GMT-05:00) Eastern Time (US & Canada)" },
    { -18000, "(GMT-05:00) Indiana (East)" },
    { -14400, "(GMT-04:00) Atlantic Time (Canada)" },
    { -14400, "(GMT-04:00) Caracas, La Paz" },
    { -14400, "(GMT-04:00) Santiago" },
    { -12600, "(GMT-03:30) Newfoundland" },
    { -10800, "(GMT-03:00) Brasilia" },
    { -10800, "(GMT-03:00) Buenos Aires, Georgetown" },
    { -10800, "(GMT-03:00) Greenland" },
    { -7200, "(GMT-02:00) Mid-Atlantic" },
    { -3600, "(GMT-01:00) Azores" },
    { -3600, "(GMT-01:00) Cape Verde Is." },
    { 0, "(GMT) Casablanca, Monrovia" },
    { 0, "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London" },
    { 3600, "(GMT+01:00) Amsterdam, Berlin, Bern, Rome, Stockholm, Vienna" },
    { 3600, "(GMT+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague" },
    { 3600, "(GMT+01:00) Brussels, Copenhagen, Madrid, Paris" },
    { 3600, "(GMT+01:00) Sarajevo, Skopje, Sofija, Vilnius, Warsaw, Zagreb" },
    { 3600, "(GMT+01:00) West Central Africa" },
    { 7200, "(GMT+02:00) Athens, Istanbul, Minsk" },
    { 7200, "(GMT+02:00) Bucharest" },
    { 7200, "(GMT+02:00) Cairo" },
    { 7200, "(GMT+02:00) Harare, Pretoria" },
    { 7200, "(GMT+02:00) Helsinki, Riga, Tallinn" },
    { 7200, "(GMT+02:00) Jerusalem" },
    { 10800, "(GMT+03:00) Baghdad" },
    { 10800, "(GMT+03:00) Kuwait, Riyadh" },
    { 10800, "(GMT+03:00) Moscow, St. Petersburg, Volgograd" },
    { 10800, "(GMT+03:00) Nairobi" },
    { 12600, "(GMT+03:30) Tehran" },
    { 14400, "(GMT+04:00) Abu Dhabi, Muscat" },
    { 14400, "(GMT+04:00) Baku, Tbilisi, Yerevan" },
    { 16200, "(GMT+04:30) Kabul" },
    { 18000, "(GMT+05:00) Ekaterinburg" },
    { 18000, "(GMT+05:00) Islamabad, Karachi, Tashkent" },
    { 19800, "(GMT+05:30) Calcutta, Chennai, Mumbai, New Delhi" },
    { 20700, "(GMT+05:45) Kathmandu" },
    { 21600, "(GMT+06:00) Almaty, Novosibirsk" },
    { 21600, "(GMT+06:00) Astana, Dhaka" },
    { 21600, "(GMT+06:00) Sri Jayawardenepura" },
    { 23400, "(GMT+06:30) Rangoon" },
    { 25200, "(GMT+07:00) Bangkok, Hanoi, Jakarta" },
    { 25200, "(GMT+07:00) Krasnoyarsk" },
    { 28800, "(GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi" },
    { 28800, "(GMT+08:00) Irkutsk, Ulaan Bataar" },
    { 28800, "(GMT+08:00) Kuala Lumpur, Singapore" },
    { 28800, "(GMT+08:00) Perth" },
    { 28800, "(GMT+08:00) Taipei" },
    { 32400, "(GMT+09:00) Osaka, Sapporo, Tokyo" },
    { 32400, "(GMT+09:00) Seoul" },
    { 32400, "(GMT+09:00) Yakutsk" },
    { 34200, "(GMT+09:30) Adelaide" },
    { 34200, "(GMT+09:30) Darwin" },
    { 36000, "(GMT+10:00) Brisbane" },
    { 36000, "(GMT+10:00) Canberra, Melbourne, Sydney" },
    { 36000, "(GMT+10:00) Guam, Port Moresby" },
    { 36000, "(GMT+10:00) Hobart" },
    { 36000, "(GMT+10:00) Vladivostok" },
    { 39600, "(GMT+11:00) Magadan, Solomon Is., New Caledonia" },
    { 43200, "(GMT+12:00) Auckland, Wellington" },
    { 43200, "(GMT+12:00) Fiji, Kamchatka, Marshall Is." },
    { 46800, "(GMT+13:00) Nuku'alofa" },
};

const ZoneText kZoneOffsets[kOffsetCount] = {
    { -43200, "(GMT-12:00) Eniwetok, Kwajalein" },
    { -39600, "(GMT-11:00) Midway Island, Samoa" },
    { -36000, "(GMT-10:00) Hawaii" },
    { -32400, "(GMT-09:00) Alaska" },
    { -28800, "(GMT-08:00) Pacific Time (US & Canada); Tijuana" },
    { -25200, "(GMT-07:00) Mountain Time (US & Canada)/Arizona" },
    { -21600, "(GMT-06:00) Central Time (US & Canada)/Saskatchewan/Mexico City/Central America" },
    { -18000, "(GMT-05:00) Eastern Time (US & Canada)/Indiana (East)/Bogota, Lima, Quito" },
    { -14400, "(GMT-04:00) Atlantic Time (Canada)/Caracas, La Paz/Santiago" },
    { -12600, "(GMT-03:30) Newfoundland" },
    { -10800, "(GMT-03:00) Brasilia/Buenos Aires, Georgetown/Greenland" },
    { -7200, "(GMT-02:00) Mid-Atlantic" },
    { -3600, "(GMT-01:00) Azores/Cape Verde Is." },
    { 0, "(GMT) Greenwich Mean Time : Dublin, Edinburgh, Lisbon, London/Casablanca, Monrovia" },
    { 3600,
        "(GMT+01:00) Belgrade, Bratislava, Budapest, Ljubljana, Prague/Sarajevo, Skopje, Sofija, Vilnius, "
        "Warsaw, Zagreb/Brussels, Copenhagen, Madrid, Paris/Amsterdam, Berlin, Bern, Rome, Stockholm, "
        "Vienna/West Central Africa" },
    { 7200,
        "(GMT+02:00) Bucharest/Cairo/Helsinki, Riga, Tallinn/Athens, Istanbul, Minsk/Jerusalem/Harare, "
        "Pretoria" },
    { 10800, "(GMT+03:00) Moscow, St. Petersburg, Volgograd/Kuwait, Riyadh/Nairobi/Baghdad" },
    { 12600, "(GMT+03:30) Tehran" },
    { 14400, "(GMT+04:00) Abu Dhabi, Muscat/Baku, Tbilisi, Yerevan" },
    { 16200, "(GMT+04:30) Kabul" },
    { 18000, "(GMT+05:00) Ekaterinburg/Islamabad, Karachi, Tashkent" },
    { 19800, "(GMT+05:30) Calcutta, Chennai, Mumbai, New Delhi" },
    { 20700, "(GMT+05:45) Kathmandu" },
    { 21600, "(GMT+06:00) Astana, Dhaka/Sri Jayawardenepura/Almaty, Novosibirsk" },
    { 23400, "(GMT+06:30) Rangoon" },
    { 25200, "(GMT+07:00) Bangkok, Hanoi, Jakarta/Krasnoyarsk" },
    { 28800,
        "(GMT+08:00) Beijing, Chongqing, Hong Kong, Urumqi/Kuala Lumpur, Singapore/Taipei/Perth/Irkutsk, "
        "Ulaan Bataar" },
    { 32400, "(GMT+09:00) Seoul/Osaka, Sapporo, Tokyo/Yakutsk" },
    { 34200, "(GMT+09:30) Darwin/Adelaide" },
    { 36000, "(GMT+10:00) Canberra, Melbourne, Sydney/Brisbane/Hobart/Vladivostok/Guam, Port Moresby" },
    { 39600, "(GMT+11:00) Magadan, Solomon Is., New Caledonia" },
    { 43200, "(GMT+12:00) Fiji, Kamchatka, Marshall Is./Auckland, Wellington" },
    { 46800, "(GMT+13:00) Nuku'alofa" },
};

// index, offset, text padded with zeros to `textSize`.
std::vector<uint8_t> Image(const ZoneText* zones, int count, uint32_t textSize)
{
    std::vector<uint8_t> bytes(size_t(count) * (8 + textSize));
    uint32_t offset = 0;
    for (int i = 0; i < count; ++i) {
        DirPutU32(bytes.data(), &offset, uint32_t(i));
        DirPutU32(bytes.data(), &offset, uint32_t(zones[i].offset));
        const size_t length = std::min<size_t>(std::strlen(zones[i].text), textSize - 1);
        std::memcpy(bytes.data() + offset, zones[i].text, length);
        offset += textSize;
    }
    return bytes;
}

} // namespace

std::span<const RawEntry> SetupRawResources()
{
    static const std::vector<uint8_t> zones = Image(kZones, kZoneCount, 204);
    static const std::vector<uint8_t> offsets = Image(kZoneOffsets, kOffsetCount, 300);
    static const RawEntry entries[] = {
        { "MYTIME_ZONE", 172, zones },
        { "MYTIME_ZONE", 173, offsets },
    };
    return entries;
}
