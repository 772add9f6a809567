// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The files of the data directory, spelt as the program creates them. Names
// match without regard to case when they are opened (resolveName), so a
// spelling here reaches a file written with another.
namespace norvik {

inline constexpr const char* notesFile = "quotes.txt";
inline constexpr const char* eventsFile = "do.txt";
inline constexpr const char* phonesFile = "telephone.txt";
inline constexpr const char* settingsFile = "System.ini";
// The settings dialog and the language reset at start save the settings
// under this spelling; it reaches the same file as settingsFile.
inline constexpr const char* settingsSaveName = "system.ini";
inline constexpr const char* russianModule = "Language Modules/Russian.lng";
inline constexpr const char* englishModule = "Language Modules/English.lng";
inline constexpr const char* helpFile = "help.chm";
// Keeps a second copy of the program, and norvik-cli, out of the same directory.
inline constexpr const char* lockFile = ".norvik.lock";
// What sync remembers of the events and the phone book and their folders.
inline constexpr const char* eventsSyncState = ".norvik-sync-events";
inline constexpr const char* phonesSyncState = ".norvik-sync-contacts";

// The files the program saves, whose killed saves may leave temporary files behind.
inline constexpr const char* savedFiles[] = {notesFile,    eventsFile,      phonesFile,
                                             settingsFile, eventsSyncState, phonesSyncState};

} // namespace norvik
