#pragma once

#include <string>
#include <string_view>

namespace qv {

// Where the donation and update pages live. A distributor who hosts them elsewhere changes
// these lines and nothing else.
inline constexpr char kDonationService[] = "https://pay.quorvane.example/cgi-bin/webscr";
inline constexpr char kDonationRecipient[] = "donate@quorvane.example";
inline constexpr char kUpdatePage[] = "http://www.quorvane.example/QV WEB/";

// Every character but a letter or a digit as "%" and two lower-case hex digits: "a.b" is
// "a%2eb".
std::string PercentEncoded(std::string_view text);

// The donation service with its query: the recipient, the product, and the service's fixed
// options, in the order the service lists them.
std::string DonationAddress();
std::string UpdateAddress();

}  // namespace qv
