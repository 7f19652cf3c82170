// SPDX-License-Identifier: GPL-3.0-or-later
// TNotBadMessage (NotBadMessage): "OK but...": in teaching mode, a solved puzzle that took more
// than par clicks restarts the count, and this tells the player what it takes to advance.
#pragma once

#include "dialogs/RatingDialog.h"

class TNotBadMessage : public TRatingDialog {
    Q_OBJECT

  public:
    explicit TNotBadMessage(game::Game& game, QWidget* parent = nullptr);
};
