#pragma once

namespace tt {
class Game;
}

namespace tt::dialogs {

void settingsMenuClick(Game& game);
void okClick(Game& game);
void speedCaptionTick(Game& game);
void sayClick(Game& game);

}  // namespace tt::dialogs
