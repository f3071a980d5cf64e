#pragma once

#include <QString>

// The maker's links, kept in this one place: the e-mail address, and the
// start page shipped with the program, which is also the home page.
namespace ProductLinks {

inline constexpr char kEmailAddress[] = "chimewise@example.org";
inline constexpr char kStartPage[] = "Chimewise.html";
inline constexpr char kHelpPage[] = "Chime_Wise.html";

inline QString emailLink()
{
    return QString("mailto:") + kEmailAddress;
}

} // namespace ProductLinks
