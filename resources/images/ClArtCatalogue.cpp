#include "ClArtCatalogue.h"

#include "ClChromeArt.h"
#include "ClNetworkArt.h"
#include "ClPictureArt.h"
#include "ClStatusArt.h"
#include "ClScheduleArt.h"
#include "ClStreamArt.h"

QList<ClArtCatalogue::Picture> ClArtCatalogue::all()
{
    using G = ClGlyphs;
    QList<Picture> lstPictures = {
        // Window and caption.
        {"img/window", [] { return ClChromeArt::window(); }},
        {"imglang/icon_s", [] { return ClPictureArt::appIcon(64); }},
        {"imglang/logo", [] { return ClPictureArt::logo(220, 56); }},
        {"img/logo", [] { return ClPictureArt::logo(180, 46); }},
        {"img/close_win1", [] { return ClChromeArt::closeButton(ClChromeArt::Normal); }},
        {"img/close_win2", [] { return ClChromeArt::closeButton(ClChromeArt::Hover); }},
        {"img/close_win3", [] { return ClChromeArt::closeButton(ClChromeArt::Pressed); }},
        // Mode bar.
        {"img/button1", [] { return ClChromeArt::modeFace(false); }},
        {"img/button2", [] { return ClChromeArt::modeFace(true); }},
        {"mode/separator", [] { return ClChromeArt::modeSeparator(); }},
        {"img/button_camera", [] { return ClPictureArt::modeIcon(G::Camera); }},
        {"img/button_network", [] { return ClPictureArt::modeIcon(G::Globe); }},
        {"img/button_setting", [] { return ClPictureArt::modeIcon(G::Gear); }},
        {"img/button_stream", [] { return ClPictureArt::modeIcon(G::Play); }},
        {"img/button_schedule", [] { return ClPictureArt::modeIcon(G::Calendar); }},
        {"img/button_security", [] { return ClPictureArt::modeIcon(G::Shield); }},
        {"img/button_help", [] { return ClPictureArt::modeIcon(G::Help); }},
        // Log bar.
        {"log/bg", [] { return ClChromeArt::logBar(); }},
        {"log/btnn", [] { return ClChromeArt::logButton(ClChromeArt::Normal); }},
        {"log/btnh", [] { return ClChromeArt::logButton(ClChromeArt::Hover); }},
        {"log/btnp", [] { return ClChromeArt::logButton(ClChromeArt::Pressed); }},
        // Pages.
        {"img/camera_notconnect", [] { return ClPictureArt::notConnected(); }},
        {"list/bg", [] { return ClChromeArt::listBackground(); }},
        {"list/arrow", [] { return ClChromeArt::listArrow(); }},
        {"secure/img_mode", [] { return ClPictureArt::modeBadge(true); }},
        {"secure/img_mode_red", [] { return ClPictureArt::modeBadge(false); }},
        {"camera/symbol_battery", [] { return ClStatusArt::batterySymbol(); }},
        {"camera/symbol_wifi", [] { return ClStatusArt::wifiSymbol(); }},
        {"camera/symbol_sd", [] { return ClStatusArt::sdSymbol(); }},
        {"img/wifi_link", [] { return ClStatusArt::linkPlate(true); }},
        {"img/wifi_notlink", [] { return ClStatusArt::linkPlate(false); }},
        {"img/bg_line", [] { return ClStatusArt::separatorLine(); }},
        // Schedule page.
        {"img/sch_bar_blue", [] { return ClScheduleArt::bar(ClScheduleArt::Day, false); }},
        {"img/sch_bar_green", [] { return ClScheduleArt::bar(ClScheduleArt::Day, true); }},
        {"img/sch_bar_blue_border", [] { return ClScheduleArt::bar(ClScheduleArt::DayContinued, false); }},
        {"img/sch_bar_green_border", [] { return ClScheduleArt::bar(ClScheduleArt::DayContinued, true); }},
        {"img/sch_evr_bar_c", [] { return ClScheduleArt::bar(ClScheduleArt::Everyday, false); }},
        {"img/sch_evr_bar_c_green", [] { return ClScheduleArt::bar(ClScheduleArt::Everyday, true); }},
        {"img/sch_evr_bar_l", [] { return ClScheduleArt::barEnd(false); }},
        {"img/sch_evr_bar_r", [] { return ClScheduleArt::barEnd(true); }},
        {"img/trans", [] { return ClScheduleArt::transparent(); }},
        {"img/sch_bar_memory", [] { return ClScheduleArt::axis(); }},
        {"img/she_memory", [] { return ClScheduleArt::timeScale(); }},
        {"img/sch_evr_rgn", [] { return ClScheduleArt::everydayRegion(false); }},
        {"img/sch_evr_rgn_green", [] { return ClScheduleArt::everydayRegion(true); }},
        {"img/sch_bg", [] { return ClScheduleArt::background(); }},
        {"img/sch_day", [] { return ClScheduleArt::dayBand(true); }},
        {"img/sch_night", [] { return ClScheduleArt::dayBand(false); }},
        {"img/sch_line_solid", [] { return ClScheduleArt::line(false); }},
        {"img/sch_line_dot", [] { return ClScheduleArt::line(true); }},
        {"img/sch_check", [] { return ClScheduleArt::check(1); }},
        {"img/sch_uncheck", [] { return ClScheduleArt::check(0); }},
        {"img/sch_check_gray", [] { return ClScheduleArt::check(2); }},
        {"img/sch_day_name_back", [] { return ClScheduleArt::dayName(0); }},
        {"img/sch_day_name_blue", [] { return ClScheduleArt::dayName(1); }},
        {"img/sch_day_name_green", [] { return ClScheduleArt::dayName(2); }},
        {"move/slider_rate_handle", [] { return ClStreamArt::rateHandle(); }},
        {"move/slider_rate_blue_l", [] { return ClStreamArt::bar(ClStreamArt::RateDone, ClStreamArt::Left); }},
        {"move/slider_rate_blue_c", [] { return ClStreamArt::bar(ClStreamArt::RateDone, ClStreamArt::Centre); }},
        {"move/slider_rate_blue_r", [] { return ClStreamArt::bar(ClStreamArt::RateDone, ClStreamArt::Right); }},
        {"move/slider_rate_black_l", [] { return ClStreamArt::bar(ClStreamArt::RateRest, ClStreamArt::Left); }},
        {"move/slider_rate_black_c", [] { return ClStreamArt::bar(ClStreamArt::RateRest, ClStreamArt::Centre); }},
        {"move/slider_rate_black_r", [] { return ClStreamArt::bar(ClStreamArt::RateRest, ClStreamArt::Right); }},
        {"move/slider_contrast_handle", [] { return ClStreamArt::contrastHandle(); }},
        {"move/slider_contrast_white_l", [] { return ClStreamArt::bar(ClStreamArt::ContrastDone, ClStreamArt::Left); }},
        {"move/slider_contrast_white_c", [] { return ClStreamArt::bar(ClStreamArt::ContrastDone, ClStreamArt::Centre); }},
        {"move/slider_contrast_white_r", [] { return ClStreamArt::bar(ClStreamArt::ContrastDone, ClStreamArt::Right); }},
        {"move/slider_contrast_black_l", [] { return ClStreamArt::bar(ClStreamArt::ContrastRest, ClStreamArt::Left); }},
        {"move/slider_contrast_black_c", [] { return ClStreamArt::bar(ClStreamArt::ContrastRest, ClStreamArt::Centre); }},
        {"move/slider_contrast_black_r", [] { return ClStreamArt::bar(ClStreamArt::ContrastRest, ClStreamArt::Right); }},
        {"img/bg_tab", [] { return ClNetworkArt::tabStrip(); }},
        {"network/net_tab_h", [] { return ClNetworkArt::tabFace(false); }},
        {"network/net_tab_s", [] { return ClNetworkArt::tabFace(true); }},
        {"network/net_wifi_off", [] { return ClNetworkArt::wifiOff(); }},
        {"network/subtitle", [] { return ClNetworkArt::subtitle(); }},
        {"img/ap_check", [] { return ClNetworkArt::checkMark(); }},
        {"img/ap_encryption", [] { return ClNetworkArt::encryptionPlate(); }},
        {"img/ap_rssi0", [] { return ClNetworkArt::signalBars(0); }},
        {"img/ap_rssi1", [] { return ClNetworkArt::signalBars(1); }},
        {"img/ap_rssi2", [] { return ClNetworkArt::signalBars(2); }},
        {"img/ap_rssi3", [] { return ClNetworkArt::signalBars(3); }},
        {"network/net_btn_page_n", [] { return ClNetworkArt::pageButton(ClChromeArt::Normal); }},
        {"network/net_btn_page_h", [] { return ClNetworkArt::pageButton(ClChromeArt::Hover); }},
        {"network/net_btn_page_p", [] { return ClNetworkArt::pageButton(ClChromeArt::Pressed); }},
    };

    // Page-list icons: each also in a selected variant, reached with "s" appended.
    const QList<QPair<QString, G::Glyph>> lstListIcons = {
        {"basic/time", G::Clock},          {"basic/gps", G::Pin},       {"basic/wifi", G::Wifi},
        {"basic/password", G::Key},        {"basic/basic", G::Sliders}, {"network/net_sym_net_b", G::AccessPoint},
        {"network/net_sym_ad_b", G::Port}, {"move/live", G::Broadcast}, {"move/record", G::Record},
        {"move/video", G::Video},
    };
    for (const auto& clIcon : lstListIcons) {
        const G::Glyph eGlyph = clIcon.second;
        lstPictures.append({clIcon.first, [eGlyph] { return ClPictureArt::listIcon(eGlyph, false); }});
        lstPictures.append({clIcon.first + "s", [eGlyph] { return ClPictureArt::listIcon(eGlyph, true); }});
    }
    return lstPictures;
}
