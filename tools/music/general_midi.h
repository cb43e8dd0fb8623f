// General MIDI numbers the songs use: instrument programs (counted from 0) and drum keys.
#pragma once

namespace general_midi {

// Channel 10, counted from 1, always plays the drum kit.
inline constexpr int kDrumChannel = 9;

namespace program {
inline constexpr int kAcousticGrandPiano = 0;
inline constexpr int kElectricPiano = 4;
inline constexpr int kCelesta = 8;
inline constexpr int kGlockenspiel = 9;
inline constexpr int kMusicBox = 10;
inline constexpr int kVibraphone = 11;
inline constexpr int kTubularBells = 14;
inline constexpr int kDrawbarOrgan = 16;
inline constexpr int kChurchOrgan = 19;
inline constexpr int kOverdrivenGuitar = 29;
inline constexpr int kDistortionGuitar = 30;
inline constexpr int kFingeredBass = 33;
inline constexpr int kPickedBass = 34;
inline constexpr int kFretlessBass = 35;
inline constexpr int kSynthBass1 = 38;
inline constexpr int kSynthBass2 = 39;
inline constexpr int kPizzicatoStrings = 45;
inline constexpr int kOrchestralHarp = 46;
inline constexpr int kTimpani = 47;
inline constexpr int kStringEnsemble1 = 48;
inline constexpr int kStringEnsemble2 = 49;
inline constexpr int kSynthStrings1 = 50;
inline constexpr int kChoirAahs = 52;
inline constexpr int kOrchestraHit = 55;
inline constexpr int kTrumpet = 56;
inline constexpr int kTrombone = 57;
inline constexpr int kFrenchHorn = 60;
inline constexpr int kBrassSection = 61;
inline constexpr int kSynthBrass1 = 62;
inline constexpr int kSynthBrass2 = 63;
inline constexpr int kOboe = 68;
inline constexpr int kFlute = 73;
inline constexpr int kSquareLead = 80;
inline constexpr int kSawtoothLead = 81;
inline constexpr int kCalliopeLead = 82;
inline constexpr int kCharangLead = 84;
inline constexpr int kBassAndLead = 87;
inline constexpr int kWarmPad = 89;
inline constexpr int kPolySynthPad = 90;
inline constexpr int kHaloPad = 94;
inline constexpr int kSweepPad = 95;
inline constexpr int kCrystal = 98;
inline constexpr int kSitar = 104;
inline constexpr int kShanai = 111;
}  // namespace program

namespace drum {
inline constexpr int kBassDrum = 36;
inline constexpr int kAcousticBassDrum = 35;
inline constexpr int kSideStick = 37;
inline constexpr int kSnare = 38;
inline constexpr int kHandClap = 39;
inline constexpr int kElectricSnare = 40;
inline constexpr int kLowFloorTom = 41;
inline constexpr int kClosedHiHat = 42;
inline constexpr int kHighFloorTom = 43;
inline constexpr int kPedalHiHat = 44;
inline constexpr int kLowTom = 45;
inline constexpr int kOpenHiHat = 46;
inline constexpr int kLowMidTom = 47;
inline constexpr int kHighMidTom = 48;
inline constexpr int kCrashCymbal = 49;
inline constexpr int kHighTom = 50;
inline constexpr int kRideCymbal = 51;
inline constexpr int kChineseCymbal = 52;
inline constexpr int kRideBell = 53;
inline constexpr int kTambourine = 54;
inline constexpr int kSplashCymbal = 55;
inline constexpr int kCowbell = 56;
inline constexpr int kHighBongo = 60;
inline constexpr int kLowBongo = 61;
inline constexpr int kMuteHighConga = 62;
inline constexpr int kOpenHighConga = 63;
inline constexpr int kLowConga = 64;
inline constexpr int kMaracas = 70;
inline constexpr int kClaves = 75;
inline constexpr int kHighWoodBlock = 76;
inline constexpr int kOpenTriangle = 81;
}  // namespace drum

}  // namespace general_midi
