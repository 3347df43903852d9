#include "ClArtCatalogue.h"

#include "ClChromeArt.h"
#include "ClNetworkArt.h"
#include "ClPictureArt.h"
#include "ClStatusArt.h"

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
