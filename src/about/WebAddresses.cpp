#include "about/WebAddresses.h"

#include <array>
#include <utility>

#include "about/ProductInfo.h"

namespace qv {

std::string PercentEncoded(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                           (byte >= 'a' && byte <= 'z');
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        }
    }
    return out;
}

std::string DonationAddress() {
    const std::array<std::pair<const char*, std::string>, 10> query{{
        {"cmd", "_donations"},
        {"business", PercentEncoded(kDonationRecipient)},
        {"item_name", PercentEncoded(kProductName)},
        {"no_shipping", "0"},
        {"no_note", "1"},
        {"tax", "0"},
        {"currency_code", "AUD"},
        {"lc", "AU"},
        {"bn", PercentEncoded("PP-DonationsBF")},
        {"charset", PercentEncoded("UTF-8")},
    }};
    std::string address = kDonationService;
    char separator = '?';
    for (const auto& [key, value] : query) {
        address += separator;
        address += key;
        address += '=';
        address += value;
        separator = '&';
    }
    return address;
}

std::string UpdateAddress() {
    return kUpdatePage;
}

}  // namespace qv
