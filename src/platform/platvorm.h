// What the programs ask of the operating system. Each system's folder (src/platform/posix,
// src/platform/windows) defines all of it, CMake links one, and no other code asks which.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string_view>

namespace zemtar {

// Whether a person reads or types at the stream: a terminal, or a console.
bool on_terminal(std::FILE* voog);

// The name of the character set in which a terminal shows text ("UTF-8", "ISO-8859-1", ...),
// by the character type of the locale in effect: main sets the user's.
std::string_view terminali_koodistik();

// Whether both streams lead to one regular file.
bool sama_fail(std::FILE* a, std::FILE* b);

// Whether a read from the stream would wait now: a pipe, a FIFO or a terminal with nothing
// ready. A regular file never keeps a read waiting.
bool ootaks(std::FILE* voog);

// Up to maht bytes of what the stream has ready, waiting only while it has none, as they are:
// no line end is translated. The count, 0 at the end, or -1 after an error (errno says why).
std::ptrdiff_t loe_valmis(std::FILE* voog, char* puhver, std::size_t maht);

// The last step of all output. A failure stays on the stream, where std::ferror finds it.
void kirjuta(std::FILE* voog, std::string_view baidid);

// What "--help" tells of this system, single-byte like every fixed text, each '@' the
// program's name: what the keyboard mode is given besides the lines (after the options), and
// the last words (after the exit statuses), each empty or whole lines.
extern const char KASUTUS_SUSTEEM[];
extern const char KASUTUS_LOPP[];

// Line editing at a terminal, where the system and the build have it.
struct rea_toimetaja;

// Says on standard error, in a line of single-byte text, why something asked of the system
// was not done (a line not kept in the history, say): the caller adds the program's name.
using teataja = void (*)(const char* mis);

// nullptr unless both streams are a terminal and lines can be edited there; lines are then
// read as from any other stream. programm is the program's name, as it is installed (what
// the line editor's settings and the history file are kept under); teata tells why a line was
// not kept, once in a run.
rea_toimetaja* ava_toimetaja(std::FILE* sisse, std::FILE* valja, const char* programm,
                             teataja teata);

// Shows the prompt viip and gives the line typed, with a newline; its bytes stay valid until
// the next call. False when the user ends the input, and after an error.
bool loe_rida(rea_toimetaja* toimetaja, const char* viip, std::string_view& rida);

void sulge_toimetaja(rea_toimetaja* toimetaja);

}  // namespace zemtar
