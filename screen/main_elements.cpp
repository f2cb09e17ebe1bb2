#include "screen/main_elements.h"

#include <string>

namespace quorvel::screen {

MainElements::MainElements(platform::Window& w)
    : reelwindow(w.at("reelwindow")),
      btnspin(w.at("btnspin")),
      btnstartall(w.at("btnstartall")),
      coinsin(w.at("coinsin")),
      payline(w.at("payline")),
      btnbet(w.at("btnbet")),
      doublebutton(w.at("doublebutton")),
      autoplayon(w.at("autoplayon")),
      btnoptions(w.at("btnoptions")),
      btnopenmenu(w.at("btnopenmenu")),
      panfreespin(w.at("panfreespin")),
      menupic(w.at("menupic")),
      pannomoney(w.at("pannomoney")),
      takewin(w.at("takewin")),
      Btnreturn2game(w.at("Btnreturn2game")),
      panelbank(w.at("panelbank")),
      Lblcredit(w.at("Lblcredit")),
      lbllines(w.at("lbllines")),
      lblbet(w.at("lblbet")),
      lbllast(w.at("lbllast")),
      lbltotallast(w.at("lbltotallast")),
      LABWIN(w.at("LABWIN")),
      lblwin(w.at("lblwin")),
      lblgrand(w.at("lblgrand")),
      lblmajor(w.at("lblmajor")),
      lblminor(w.at("lblminor")),
      spinsleft(w.at("spinsleft")),
      lblautoplay(w.at("lblautoplay")),
      btnmute(w.at("btnmute")),
      volumebar(w.at("volumebar")),
      ctlfrees1(w.at("ctlfrees1")),
      ctrlfreesleft1(w.at("ctrlfreesleft1")),
      freespinscompleted1(w.at("freespinscompleted1")),
      pandouble(w.at("pandouble")),
      jackpotframe(w.at("jackpotframe")),
      piccardholder(w.at("piccardholder")),
      gamblewin(w.at("gamblewin")),
      gamblelose(w.at("gamblelose")),
      lblblackred(w.at("lblblackred")),
      lblsuit(w.at("lblsuit")),
      risklab(w.at("risklab")),
      betred(w.at("betred")),
      betblack(w.at("betblack")),
      cancelbet(w.at("cancelbet")),
      jackpotpicture(w.at("jackpotpicture")),
      lbljackpotwon(w.at("lbljackpotwon")) {
    for (int k = 1; k <= engine::kReels; ++k) {
        reel[k] = &w.at("reel" + std::to_string(k));
        reelWindow[k] = &w.at("Picture" + std::to_string(k));
    }
    for (int cell = 1; cell <= engine::kCells; ++cell)
        flasher[cell] = &w.at("flasher", cell);
    for (int k = 1; k <= engine::kLines + 1; ++k)
        lin[k] = &w.at("lin", k);
    for (int k = 1; k <= 6; ++k)
        lineflash[k] = &w.at("Lineflash", k);
    for (int suit = 1; suit <= 4; ++suit)
        suitbet[suit] = &w.at("suitbet", suit);
    for (int k = 1; k <= 5; ++k)
        historypic[k] = &w.at("historypic", k);
    for (int look = 0; look < 3; ++look)
        jackpotball[look] = &w.at("jackpotball" + std::to_string(look + 1) + "1");
}

}  // namespace quorvel::screen
