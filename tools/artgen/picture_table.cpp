#include "tools/artgen/picture_table.h"

#include "tools/artgen/controls.h"
#include "tools/artgen/paintings.h"
#include "tools/artgen/pay_table.h"

namespace quorvel::artgen {
namespace {

using P = QPainter;
using K = Kit;

void addList(std::vector<PictureJob>& jobs, const std::string& list, int count, QSize size,
             void (*paint)(P&, const K&, int)) {
    for (int i = 1; i <= count; ++i)
        jobs.push_back({list + "/" + std::to_string(i), size,
                        [paint, i](P& p, const K& k) { paint(p, k, i); }});
}

void addPlaque(std::vector<PictureJob>& jobs, const std::string& name, QSize size, const char* text,
               QColor base) {
    jobs.push_back(
        {name, size, [=](P& p, const K& k) { paintPlaque(p, k, k.say(text), size, base); }});
}

void addCabinet(std::vector<PictureJob>& jobs) {
    jobs.push_back({"background", {800, 600}, paintBackground});
    jobs.push_back({"panfreespin", {800, 82}, paintButtonBar});
    const QSize keys[kKeys] = {{109, 54}, {103, 54}, {106, 54}, {106, 54}, {104, 54}, {116, 54}};
    for (int key = 0; key < kKeys; ++key)
        jobs.push_back({keyLook(key).element, keys[key],
                        [key, size = keys[key]](P& p, const K& k) { paintKey(p, k, key, size); }});
    jobs.push_back({"autoplayon-lit", keys[kKeys - 1], [size = keys[kKeys - 1]](P& p, const K& k) {
                        paintLitKey(p, k, kKeys - 1, size);
                    }});
    for (auto [name, text] : {std::pair{"btnoptions", QT_TRANSLATE_NOOP("artwork", "OPTIONS")},
                              std::pair{"btnopenmenu", QT_TRANSLATE_NOOP("artwork", "MENU")}})
        jobs.push_back({name, {77, 47}, [text](P& p, const K& k) {
                            paintOvalButton(p, k, k.say(text), {77, 47});
                        }});
    addList(jobs, "mutepics", 2, {18, 18}, paintMuteKey);
    addList(jobs, "volumepics", 11, {76, 16}, paintVolumeBar);
    jobs.push_back({"menupic", {121, 257}, [](P& p, const K& k) { paintMenu(p, k, {121, 257}); }});
    for (auto [name, text] :
         {std::pair{"about", QT_TRANSLATE_NOOP("artwork", "About")},
          std::pair{"mnuviewpaytable", QT_TRANSLATE_NOOP("artwork", "Pay Table")},
          std::pair{"viewpaylines", QT_TRANSLATE_NOOP("artwork", "Paylines")},
          std::pair{"xit", QT_TRANSLATE_NOOP("artwork", "Exit")},
          std::pair{"gamehistory", QT_TRANSLATE_NOOP("artwork", "Game History")},
          std::pair{"mnusession", QT_TRANSLATE_NOOP("artwork", "Session")}})
        jobs.push_back({name, {100, 30}, [text](P& p, const K& k) {
                            paintMenuEntry(p, k, k.say(text), {100, 30});
                        }});
}

void addFeatures(std::vector<PictureJob>& jobs) {
    jobs.push_back({"pandouble", {270, 390}, [](P& p, const K& k) {
                        paintGamblePanel(p, k, {270, 390});
                    }});
    jobs.push_back({"cardback", {100, 153}, [](P& p, const K& k) { paintCard(p, k, 5); }});
    addPlaque(jobs, "betred", {64, 26}, QT_TRANSLATE_NOOP("artwork", "RED"), QColor(190, 20, 30));
    addPlaque(jobs, "betblack", {64, 26}, QT_TRANSLATE_NOOP("artwork", "BLACK"),
              QColor(30, 30, 36));
    addPlaque(jobs, "cancelbet", {100, 26}, QT_TRANSLATE_NOOP("artwork", "Take Win"),
              QColor(214, 160, 20));
    for (bool won : {true, false})
        jobs.push_back({won ? "gamblewin" : "gamblelose", {150, 30}, [won](P& p, const K& k) {
                            paintGambleResult(p, k, won, {150, 30});
                        }});
    jobs.push_back({"jackpotframe", {675, 380}, [](P& p, const K& k) {
                        paintJackpotBoard(p, k, {675, 380});
                    }});
    for (int look = 1; look <= 3; ++look)
        jobs.push_back({"jackpotball" + std::to_string(look), {120, 120}, [look](P& p, const K& k) {
                            paintJackpotBall(p, k, look);
                        }});
    addPlaque(jobs, "takewin", {110, 30}, QT_TRANSLATE_NOOP("artwork", "Collect"),
              QColor(30, 150, 50));
    addPlaque(jobs, "Btnreturn2game", {747, 56}, QT_TRANSLATE_NOOP("artwork", "Return to Game"),
              QColor(30, 100, 190));
    for (auto [name, text, size] :
         {std::tuple{"ctlfrees", QT_TRANSLATE_NOOP("artwork", "FREESPINS AWARDED"), QSize(442, 38)},
          std::tuple{"freespinscompleted", QT_TRANSLATE_NOOP("artwork", "Free Spins Completed"),
                     QSize(498, 60)}})
        jobs.push_back(
            {name, size, [=](P& p, const K& k) { paintBanner(p, k, k.say(text), size); }});
    jobs.push_back({"ctrlfreesleft", {442, 38}, [](P& p, const K& k) {
                        paintCountBanner(
                            p, k, k.say(QT_TRANSLATE_NOOP("artwork", "FREESPINS REMAINING =")),
                            {442, 38});
                    }});
}

}  // namespace

std::vector<PictureJob> pictureJobs() {
    std::vector<PictureJob> jobs;
    addCabinet(jobs);
    for (int reel = 1; reel <= 5; ++reel)
        jobs.push_back({"reel" + std::to_string(reel), {125, 3625}, [reel](P& p, const K& k) {
                            paintReel(p, k, reel);
                        }});
    addFeatures(jobs);
    jobs.push_back({"quorvelpays", {kPayTableWidth, kPayTableHeight}, [](P& p, const K& k) {
                        paintPayTable(p, k, payTableContent());
                    }});
    jobs.push_back({"aboutad", {300, 250}, paintAboutAdvert});
    jobs.push_back({"formface", {600, 600}, [](P& p, const K& k) {
                        paintFormFace(p, k, {600, 600});
                    }});
    jobs.push_back({"aboutreturn", {339, 135}, [](P& p, const K& k) {
                        paintPlaque(p, k, k.say(QT_TRANSLATE_NOOP("artwork", "Back to the Game")),
                                    {339, 135}, QColor(30, 100, 190));
                    }});
    addList(jobs, "ImageList2", 19, {125, 125}, paintWildFrame);
    addList(jobs, "ImageList1", 13, {125, 125}, paintChestFrame);
    addList(jobs, "morphing", 12, {125, 125}, paintMorphFrame);
    addList(jobs, "jackpotwin", 9, {429, 162}, paintJackpotWin);
    addList(jobs, "bigwins", 6, {667, 375}, paintCelebration);
    addList(jobs, "goldcoin", 8, {44, 44}, paintGoldCoin);
    addList(jobs, "linepics", 50, {23, 23}, paintLineMarker);
    addList(jobs, "imagelistcards", 24, {100, 153}, paintCard);
    jobs.push_back({"icon", {32, 32}, [](P& p, const K& k) { paintProgramIcon(p, k, 32); }});
    for (int size : {16, 48, 64, 128, 256})
        jobs.push_back({"icon-" + std::to_string(size), {size, size}, [size](P& p, const K& k) {
                            paintProgramIcon(p, k, size);
                        }});
    return jobs;
}

}  // namespace quorvel::artgen
