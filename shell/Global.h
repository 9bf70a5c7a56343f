#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class THenv;
class THdbc;
class THstmt;
class TVlf;

// What every screen shares: the settings, the program and data directories,
// the one catalogue connection, the three media stores and the interface
// sounds. Everything here lives from InitProgram to DoneProgram.

// Directory for Musarix.Ini, the help and Alben.Dat; ends with "/". The
// program's own directory, or the user's configuration directory for Musarix
// when that is not writable. MUSARIX_PROGRAM_DIR overrides both (tests).
extern QString ProgramDir;
// Directory of Musarix.db and the stores, from "DataPath"; ends with "/".
extern QString DataDir;

// The seven switches of the options dialog.
extern bool ShowHints;
extern bool KeyClick;
extern bool ErrorSoundOn;
extern bool IntroOn;
extern bool IntroMusicOn;
extern bool OutroOn;
extern bool OutroMusicOn;

// Print margins, in the unit of the output screen.
extern int MarginLeft;
extern int MarginRight;
extern int MarginTop;
extern int MarginBottom;

extern THenv* CatalogEnv;
extern THdbc* CatalogDbc;
// For one-off statements of shared routines.
extern THstmt* SharedStmt;

// Musarix.St (texts and pictures), Musarix.Sb (sounds), Musarix.Sy (system).
extern TVlf* TextStore;
extern TVlf* SoundStore;
extern TVlf* SystemStore;

// Complete WAV images, read once at start so that a click costs no file access.
extern QByteArray LinkSound;
extern QByteArray ClickSound;
extern QByteArray ErrorSound;

// False when the user gave up at the prompt for the data; nothing else has
// been set up then.
bool InitProgram();
void DoneProgram();

// Each plays its sound from memory and returns when it has finished, and only
// when its setting is on ("Click" for the first two, "ErrorSound" for the
// third). Without an audio device they are silent.
void PlayLinkSound();
void PlayClickSound();
void PlayErrorSound();

// No audio device runs under test, so tests watch which interface sound the
// program asked for instead. The observer is called for every sound that
// would be played (its setting being on), before it plays.
enum class TInterfaceSound { Link, Click, Error };
using TSoundObserver = std::function<void(TInterfaceSound)>;
void SetSoundObserver(TSoundObserver Observer);

// The prompt for the data asks the user through a message box. Tests answer
// it instead: the function returns true for "Retry", false for "Cancel".
// An empty function brings the message box back.
using TDataPrompt = std::function<bool()>;
void SetDataPromptForTesting(TDataPrompt Prompt);
