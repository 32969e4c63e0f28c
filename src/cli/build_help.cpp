// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of `build --help` and `--version`.

#include <ostream>
#include <string>

#include "base/program_licence.h"
#include "base/verbatim_texts.h"
#include "cli/build_command.h"
#include "compiler/group_numbering.h"

#ifndef KELVANE_VERSION
#define KELVANE_VERSION "unknown"
#endif

namespace kelvane::cli {

namespace {

constexpr size_t kNamesColumn = 26;

// "0-5, 7-16, 20-24": the numbers the first 22 groups get, as ranges.
std::string NumbersText(int monsterIndex) {
  const GroupNumbers startingAtZero{};
  GroupNumbering numbering(startingAtZero, monsterIndex);
  std::string text;
  int32_t first = numbering.Next(0);
  int32_t last = first;
  const auto close = [&] {
    text += (text.empty() ? "" : ", ") + std::to_string(first) +
            (last > first ? "-" + std::to_string(last) : "");
  };
  for (int ordinal = 1; ordinal < int(kGroupNumberSlots); ++ordinal) {
    const int32_t number = numbering.Next(ordinal);
    if (number != last + 1) {
      close();
      first = number;
    }
    last = number;
  }
  close();
  return text + ", ...";
}

std::string MonsterLines() {
  std::string lines;
  for (int index = -1; index < int(text::kMonsterItems.size()); ++index) {
    std::string name = index < 0 ? "no creature" : text::kMonsterItems[size_t(index)];
    if (name == text::kMonsterItems[1]) {
      name = "(a dashed line)";
    }
    std::string line =
        (index < 10 && index >= 0 ? "    " : "   ") + std::to_string(index) + " " + name;
    line.resize(kNamesColumn, ' ');
    lines +=
        line +
        (index == kMonsterCustom ? "the --groups numbers, one per group" : NumbersText(index)) +
        "\n";
  }
  return lines;
}

}  // namespace

void PrintVersion(std::ostream& out) {
  out << "kelvane-cli " << KELVANE_VERSION << "\n" << kLicenceLines;
}

void PrintBuildHelp(std::ostream& out) {
  out << R"(Usage: kelvane-cli build [options] ENTRY...
       kelvane-cli build [options] --list DOC
       kelvane-cli build [options] --list DOC|FOLDER [DOC|FOLDER...]

Builds a DEF file from frames: 8-bit BMPs and palette PNGs, taken as they are,
and true-colour PNGs (grey, RGB, RGBA, 8 or 16 bits) and 24/32-bit BMPs. Each
ENTRY is the path of a frame, or / alone for a group separator, which closes a
group (an animation). A separator is added after the last frame when the list
does not end with one. The first entry must be a frame: the DEF takes its size.

The DEF's palette is --palette FILE, else the first 8-bit frame's, else one
made for the list from all its frames (slots 0 to 7 get the key colours: 0
cyan, 4 magenta, 5 yellow). True-colour frames are mapped onto it: alpha
below one half becomes index 0, an exact colour of entry 0 to 7 that index,
every other pixel the nearest of entries 8 to 255.

Options:
  -o PATH          output DEF file (default: Temp.def in the current folder)
  --type N         frame type (default 0):
                    0 buttons, backgrounds and creatures: frame format 1, rows
                      of colour runs; uses --shadow, --outline, --x, --y
                    1 roads and shadows: frame format 0, plain pixels
                    2 map objects: frame format 3, rows of 32-pixel blocks;
                      uses --shadow (the object's), --x, --y
                    3 terrain: frame format 0, plain pixels
  --format N       the DEF's type code, by how the engine uses the file
                   (default: 2 for Type 0, 4 for Types 1 and 3, 6 for Type 2):
                    0 $49 heroes on the map    5 $44 map objects
                    1 $48 (use not known)      6 $43 map objects
                    2 $47 buildings, buttons   7 $42 creatures
                    3 $46 (use not known)      8 $41 (use not known)
                    4 $45 terrain              9 $40 spells in battle
  --monster N      how groups are numbered (default -1); see Group numbers
  --groups A,B,..  group numbers (0 to 255, at most 22): the first starts the
                   numbering; with --monster 14 each group takes its own
  --shadow         generate a shadow               (--no-shadow: none)
  --outline        draw the selection outline on checked frames
                                                   (--no-outline: none)
  --check P,P,..   check the entries at these 1-based positions (separators
                   count); only checked frames get the outline
  --fixed WxH      fixed frame size, e.g. --fixed 450x400
                                                   (--no-fixed: each its own)
  --x N, --y N     placement offsets subtracted from every frame's margins
                                                   (--no-x, --no-y: none)
  --mask TEXT      frame-name mask: TEXT plus the two characters before the
                   extension (runner10.bmp with Hero_A gives Hero_A10.pcx)
  --palette FILE   the DEF's palette: an 8-bit BMP, a palette PNG, a JASC-PAL
                   or GIMP .gpl file of 256 colours        (--no-palette)
  --dither         dither true-colour frames as they are mapped
                                                   (--no-dither: not)
  --check-palette  check that every 8-bit frame's palette matches the first
                   one's (or --palette), and ask whether to go on when one
                   does not
                                                   (--no-check-palette)
  --yes            go on without asking when the palette check finds a
                   difference; without --yes and a terminal, the answer is no
  --json           print the DEF's path, size, groups and frame names as JSON
                   on stdout instead of the line "wrote ..."
  -q, --quiet      no progress bar and no "wrote ..." line
  -j N, --jobs N   frames prepared and encoded at once, each on a thread of its
                   own (in a batch: DEFs built at once); default: one per core;
                   -j 1 does everything on one thread. The DEF is the same
  --version        the program's version
  -h, --help       this text

Group numbers:
  The groups are numbered in list order. Without --monster 14 ("Custom") the
  numbers run on from the first --groups number (default 0) and skip those the
  chosen creature layout leaves out; starting from 0 they are:
)" << MonsterLines()
      << R"(
DefList documents (*.h3l):
  --list DOC       build the frames and group numbers of the document DOC, with
                   its settings; the options above override them. Relative
                   paths in DOC are taken from DOC's folder; without -o the
                   DEF goes to DOC's output name, taken from DOC's folder too,
                   which it may not leave (no absolute name, no ..). DOC may
                   have 1,048,576 lines of at most 4096 bytes
  --list-type N    2 (default): DOC starts with its 15 settings lines;
                   1: DOC holds the list lines alone (settings as without DOC)
  --save-list DOC  also write the DefList for this command: its frames, group
                   numbers and settings, every path named from DOC's folder
                   (relative under it, else absolute). A DefList
                   keeps no check marks: --check is not saved
  --no-build       with --save-list: write the document only

Many DEFs in one run (a batch):
  --list A.h3l B.h3l ...   or a FOLDER (its *.h3l files, by name): builds
                   the DEF of each document as --list DOC would, -j of them at
                   once, under one progress bar; the options above apply to
                   all (but -o, --save-list and --no-build, which name one
                   file). Then one line per document in the order given:
                   "wrote ..." (with --json one JSON object per line, which
                   also names the document as "list", or gives its "error"),
                   or what kept it from being built, each of its messages
                   starting with the document's name, and a count on stderr.
                   Questions are not asked: --yes answers OK, else Cancel. A
                   document that fails does not stop the others
  --fail-fast      in a batch, stop at the first document that is not built:
                   the others are not started, or stopped and left as they were

Exit status: 0 the DEF (or document) was written; 1 it was not (the reason is
on stderr, and an earlier file at the output path is left as it was); 2 usage
error; 3 the palette check found a difference and the answer was no; 130, 143
or 129 stopped by SIGINT, SIGTERM or SIGHUP (on Windows 130, 149 or 129 by
Ctrl+C, Ctrl+Break or closing the console): nothing written. A batch: 1 when
any DEF was not written, else 3 when a palette check's answer was no; stopped,
the DEFs already written stay. Standard output that cannot be written (a full
disk) makes the status 1; a reader that stops reading it (| head) changes
nothing: the DEF is written before stdout is.

The DEF is written to a hidden file .NAME.PID.N.part beside the output,
synced to disk and renamed over it once complete; an output that is a symbolic
link is replaced as a link (the file it pointed to stays). Only a build killed
outright (SIGKILL, a power cut) leaves that file behind: it is an incomplete
DEF, and the next build to the same output removes it and says so. An output
that is not a regular file (/dev/null, a FIFO, /dev/stdout) is written into in
place once the DEF is complete; inputs must be regular files.
)";
}

}  // namespace kelvane::cli
