// SPDX-License-Identifier: GPL-3.0-or-later
// TOptionsL1 (OptionsL1): the settings dialog "SpEcTrUmIx Options".
//
// Teaching mode, shown or hidden edges, and the vertex count, colour count and edge probability
// of the next puzzles, each fixed or drawn at random. Modeless; nothing in it takes effect
// before OK. The dialog is handed the settings as they stand and what the game does with the
// settings an OK confirms; it never reaches into the game's records itself.
#pragma once

#include <functional>

#include "engine/State.h"
#include "ui/FixedDialog.h"

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class TSpinEdit;

class TOptionsL1 : public ui::FixedDialog {
    Q_OBJECT

  public:
    struct SettingsFlow {
        // The settings as they stand now (the dialog loads, refreshes and reverts from them).
        std::function<game::GameSettings()> current;
        // OK: the game takes the confirmed settings whole (and starts a new puzzle).
        std::function<void(const game::GameSettings&)> apply;
    };

    // Loads every control from the settings, once, at start-up (after the settings file is read).
    explicit TOptionsL1(SettingsFlow flow, QWidget* parent = nullptr);

    // A teaching advance moves the next puzzle's level; the dialog follows the settings the
    // game changed (game::SettingsChange bits) so that a later OK keeps the advance.
    void FollowGameChanges(const game::GameSettings& settings, unsigned changes);

    // The key filter shared by the three number fields: whatever typed character is not a
    // digit enters a "1".
    static QChar VertNumSpinEditKeyPress(QChar key);

    // Fits captions a translation made longer than their controls; done once, in idle time after
    // start-up or at the first showing, so the hidden dialog loads no face before the board shows.
    void FitCaptions();

    QCheckBox* TeachingMode;
    QCheckBox* ShowEdges;
    QCheckBox* RandomNumberOfColors;
    TSpinEdit* NumOfColorsSpinEdit;
    QCheckBox* RandomNumberOfVertices;
    TSpinEdit* VertNumSpinEdit;
    QCheckBox* RandomEdgeProbability;
    TSpinEdit* EdgeNumFactorSpinEdit;
    QCheckBox* ShowToolTips;
    QCheckBox* TimerBoolean;
    QCheckBox* PlayComputer;
    QPushButton* OKBtn;
    QPushButton* BitBtn1;
    QPushButton* HelpBtn;
    QFrame* Bevel1;
    QLabel* Image1;

  public slots:
    void reject() override;  // Escape: Cancel

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void OKBtnClick();
    void BitBtn1Click();
    void HelpBtnClick();
    void ApplyTeachingModeRule();

    // Every setting with a control here is a row of game::kSettings, its control found by name.
    QCheckBox* Box(const char* name) const;
    TSpinEdit* Field(const char* name) const;
    void ShowSetting(const game::SettingRow& setting, const game::GameSettings& settings);
    enum class Load { AtStart, OnCancel, OnShow };
    void LoadFrom(const game::GameSettings& settings, Load when);
    game::GameSettings Stored() const;

    SettingsFlow m_flow;
    bool m_captionsFitted = false;
};
