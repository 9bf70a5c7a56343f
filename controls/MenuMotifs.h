#pragma once

#include <QRectF>
#include <QSizeF>

class QPainter;

// The objects the menus are drawn from. Each stands for a topic at a glance:
// a guitar for instruments, a microphone for a singer, a podium with a cup
// for awards and charts, and so on.
enum class TMotif {
    Musicians, // a band on stage
    Singer,    // a stage microphone
    Band,      // three musicians
    Portrait,  // a head in an oval frame
    Guitar,
    Frame,    // a framed landscape painting
    Speaker,  // a loudspeaker box with notes
    Question, // a speech bubble with a question mark
    OpenBook, // a song book with text and notes
    Podium,   // a cup on the winners' podium
    Trophy,
    Chart,       // rising bars
    RecordShelf, // a shelf of records, one pulled out
    Gear,
    AddressBook,
    Door,  // the way out
    Chili, // a hot pod with an exclamation mark: a good story
    TuningFork,
    Minimise,
    Back,      // an arrow home
    Masks,     // drama masks: opera
    TopHat,    // hat and star: the musical
    SongSheet, // a leaf of music: folk songs
    Chapel,    // spirituals
    Anchor,    // shanties
    Cover,     // an album cover with its record
    Studio,    // a mixing desk
    Record,    // a record with its label
    Factory,
    Metronome,  // aids that are no instruments
    Dictionary, // technical terms from A to Z
    FilmReel,
    Notes,  // a staff with notes: styles
    Speech, // a speech bubble: anecdotes
    Drum,
    Gramophone,
};

// The proportions the motif is designed for; it is drawn as large as it
// fits into any box, centred.
QSizeF MotifSize(TMotif Motif);

// Draws the motif fitted and centred into Box, antialiased, on a transparent
// ground.
void DrawMotif(QPainter& Painter, TMotif Motif, const QRectF& Box);
