#pragma once

#include <array>

#include "engine/paylines.h"
#include "engine/reel_window.h"
#include "platform/window.h"

namespace quorvel::screen {

// The main screen's elements, looked up once: the reels move hundreds of times a spin.
// Arrays are indexed from 1 like the controls they hold.
struct MainElements {
    explicit MainElements(platform::Window& w);

    std::array<platform::Element*, engine::kReels + 1> reel{};
    std::array<platform::Element*, engine::kReels + 1> reelWindow{};
    std::array<platform::Element*, engine::kCells + 1> flasher{};
    std::array<platform::Element*, engine::kLines + 2> lin{};
    std::array<platform::Element*, 7> lineflash{};

    platform::Element& reelwindow;
    platform::Element& btnspin;
    platform::Element& btnstartall;
    platform::Element& coinsin;
    platform::Element& payline;
    platform::Element& btnbet;
    platform::Element& doublebutton;
    platform::Element& autoplayon;
    platform::Element& btnoptions;
    platform::Element& btnopenmenu;
    platform::Element& panfreespin;
    platform::Element& menupic;
    platform::Element& pannomoney;
    platform::Element& takewin;
    platform::Element& Btnreturn2game;
    platform::Element& panelbank;
    platform::Element& Lblcredit;
    platform::Element& lbllines;
    platform::Element& lblbet;
    platform::Element& lbllast;
    platform::Element& lbltotallast;
    platform::Element& LABWIN;
    platform::Element& lblwin;
    platform::Element& lblgrand;
    platform::Element& lblmajor;
    platform::Element& lblminor;
    platform::Element& spinsleft;
    platform::Element& lblautoplay;
    platform::Element& btnmute;
    platform::Element& volumebar;
    platform::Element& ctlfrees1;
    platform::Element& ctrlfreesleft1;
    platform::Element& freespinscompleted1;
    platform::Element& pandouble;
    platform::Element& jackpotframe;
    // The gamble panel.
    platform::Element& piccardholder;
    platform::Element& gamblewin;
    platform::Element& gamblelose;
    platform::Element& lblblackred;
    platform::Element& lblsuit;
    platform::Element& risklab;
    platform::Element& betred;
    platform::Element& betblack;
    platform::Element& cancelbet;
    std::array<platform::Element*, 5> suitbet{};  // by suit 1..4
    std::array<platform::Element*, 6> historypic{};
    // The jackpot board's prize display and the ball in its three looks.
    platform::Element& jackpotpicture;
    platform::Element& lbljackpotwon;
    std::array<platform::Element*, 3> jackpotball{};
};

}  // namespace quorvel::screen
