// Status panel refresh: the dead partner's keys, the shield and item-menu wording, the labels.
#include "shell/panels.h"

#include "shell/app.h"
#include "shell/mainform.h"

namespace murk {

namespace {

void MoveKeys(Player& from, Player& to) {
    to.keys += from.keys;
    from.keys = 0;
}

void WritePanel(PanelTexts& panel, Player& p) {
    panel.life = std::to_string(p.life);
    panel.keys = std::to_string(p.keys);
    panel.bombs = std::to_string(p.bombs);
    panel.kits = std::to_string(p.kits);
    panel.levelsPassed = std::to_string(p.levelsPassed);
    panel.points = std::to_string(p.points);
    ApplyStatusWording(p);
    panel.status = "Status: " + p.status;
}

void ShowPanel(PlayerPanel& panel, const PanelTexts& t) {
    panel.life->SetText(t.life);
    panel.keys->SetText(t.keys);
    panel.bombs->SetText(t.bombs);
    panel.kits->SetText(t.kits);
    panel.levelsPassed->SetText(t.levelsPassed);
    panel.points->SetText(t.points);
    panel.status->SetText(t.status);
}

}  // namespace

void ApplyStatusWording(Player& p) {
    if (p.shieldTime > 0) p.status = "Shield On - " + std::to_string(p.shieldTime) + "%";
    if (p.menuOpen) {
        switch (p.menuChoice) {
            case 2:
                p.status = "LIFE";
                break;
            case 1:
                p.status = "BOMB";
                break;
            default:
                p.status = "NOTHING";
                break;
        }
    }
}

void PanelRefresh(App& app) {
    Game& g = app.game;
    const uint64_t call = app.play.panelCalls++;
    if (call % 3 != 0) return;
    if (g.PlayerCount == 2) {
        if (g.P1().dead && !g.P2().dead)
            MoveKeys(g.P1(), g.P2());
        else if (g.P2().dead && !g.P1().dead)
            MoveKeys(g.P2(), g.P1());
    }
    WritePanel(app.panelTexts[0], g.P1());
    WritePanel(app.panelTexts[1], g.P2());
    ShowPanelTexts(app);
}

void ShowPanelTexts(App& app) {
    ShowPanel(app.mainForm->P1Panel, app.panelTexts[0]);
    ShowPanel(app.mainForm->P2Panel, app.panelTexts[1]);
}

}  // namespace murk
