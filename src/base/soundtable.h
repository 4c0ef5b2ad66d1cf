// The game's 27 sounds: each id with its file in Sounds/ (shared by the bank and soundgen).
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace murk {

struct SoundFile {
    std::string_view id;
    std::string_view file;
};

// The wave effects in the order they are opened (player 1's, then player 2's), then the song.
inline constexpr std::array<SoundFile, 27> kSoundFiles{{
    {"S00", "S00-P1-BulletShoot.wav"},
    {"S01", "S01-P1-GrabHealth.wav"},
    {"S02", "S02-P1-GrabMoney.wav"},
    {"S03", "S03-P1-GrabKey.wav"},
    {"S04", "S04-P1-GrabBomb.wav"},
    {"S05", "S05-P1-LoseLife.wav"},
    {"S06", "S06-P1-Die.wav"},
    {"S07", "S07-P1-OpenDoor.wav"},
    {"S08", "S08-P1-BulletHit-Heart.wav"},
    {"S09", "S09-P1-WarpToNextLevel.wav"},
    {"S10", "S10-P1-UseHealth.wav"},
    {"S11", "S11-P1-BombExplode.wav"},
    {"S12", "S12-P1-EatPigProducer.wav"},
    {"S20", "S20-P2-BulletShoot.wav"},
    {"S21", "S21-P2-GrabHealth.wav"},
    {"S22", "S22-P2-GrabMoney.wav"},
    {"S23", "S23-P2-GrabKey.wav"},
    {"S24", "S24-P2-GrabBomb.wav"},
    {"S25", "S25-P2-LoseLife.wav"},
    {"S26", "S26-P2-Die.wav"},
    {"S27", "S27-P2-OpenDoor.wav"},
    {"S28", "S28-P2-BulletHit-Heart.wav"},
    {"S29", "S29-P2-WarpToNextLevel.wav"},
    {"S30", "S30-P2-UseHealth.wav"},
    {"S31", "S31-P2-BombExplode.wav"},
    {"S32", "S32-P2-EatPigProducer.wav"},
    {"S99", "S99-OpeningSong.mp3"},
}};

inline constexpr size_t kWaveCount = 26;  // the first 26 rows; the last row is the song
inline constexpr size_t kSongIndex = 26;
inline constexpr size_t kEffectsPerPlayer = 13;

// The row of an id, or kSoundFiles.size() when there is none.
constexpr size_t SoundIndex(std::string_view id) {
    for (size_t i = 0; i < kSoundFiles.size(); ++i)
        if (kSoundFiles[i].id == id) return i;
    return kSoundFiles.size();
}

// A sound each player has its own recording of: {player 1's id, player 2's id}.
using PlayerSounds = std::array<std::string_view, 2>;

// The sounds the rules play.
namespace sound {
inline constexpr PlayerSounds Shoot{"S00", "S20"};
inline constexpr PlayerSounds GrabHealth{"S01", "S21"};
inline constexpr PlayerSounds GrabMoney{"S02", "S22"};
inline constexpr PlayerSounds GrabKey{"S03", "S23"};
inline constexpr PlayerSounds GrabBomb{"S04", "S24"};
inline constexpr PlayerSounds OpenDoor{"S07", "S27"};
inline constexpr PlayerSounds Warp{"S09", "S29"};
inline constexpr PlayerSounds UseHealth{"S10", "S30"};
inline constexpr PlayerSounds EatPigProducer{"S12", "S32"};
// These play player 1's recording for either player; player 2's are loaded, never played.
inline constexpr std::string_view Hurt = "S05";
inline constexpr std::string_view Die = "S06";
inline constexpr std::string_view HeartHit = "S08";
inline constexpr std::string_view BombExplode = "S11";
}  // namespace sound

// Every id the rules play has its file in the table.
static_assert([] {
    for (PlayerSounds ids :
         {sound::Shoot, sound::GrabHealth, sound::GrabMoney, sound::GrabKey, sound::GrabBomb,
          sound::OpenDoor, sound::Warp, sound::UseHealth, sound::EatPigProducer,
          PlayerSounds{sound::Hurt, sound::Die}, PlayerSounds{sound::HeartHit, sound::BombExplode}})
        for (std::string_view id : ids)
            if (SoundIndex(id) >= kWaveCount) return false;
    return true;
}());

}  // namespace murk
