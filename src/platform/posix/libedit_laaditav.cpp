// libedit opened when it is first needed, at a terminal, instead of when the program starts:
// a run with -k or -f, or from a pipe, never loads it and starts as quickly as one without
// line editing. Each libedit function the code calls is defined here with libedit's own
// signature and passes its call on to the library's; where the library cannot be opened,
// el_init and history_winit give null, and keyboard lines are read without the editor.
#include <dlfcn.h>
#include <histedit.h>

#include <cstdarg>

// The library's file name, as its package installs it (found when configuring).
#ifndef ZEMTAR_LIBEDIT_SO
#define ZEMTAR_LIBEDIT_SO "libedit.so.2"
#endif

namespace {

// The libedit functions that the code calls: a line here, and one below that passes the call
// on, for each one more.
#define ZEMTAR_LIBEDIT_FUNKTSIOONID(X) \
  X(el_init)                           \
  X(el_end)                            \
  X(el_wgets)                          \
  X(el_wset)                           \
  X(el_wget)                           \
  X(history_winit)                     \
  X(history_wend)                      \
  X(history_w)

struct libedit_funktsioonid {
#define ZEMTAR_VIIT(f) decltype(&::f) f;
  ZEMTAR_LIBEDIT_FUNKTSIOONID(ZEMTAR_VIIT)
#undef ZEMTAR_VIIT
};

// The library's functions, or null where it cannot be opened or lacks one of them; it is
// tried once. (Constant-initialised: nothing runs at start-up.)
const libedit_funktsioonid* libedit() {
  static libedit_funktsioonid funktsioonid;
  static int olek = 0;  // 0: not tried yet, 1: opened, -1: not to be had
  if (olek != 0) return olek > 0 ? &funktsioonid : nullptr;
  olek = -1;
  void* kogu = dlopen(ZEMTAR_LIBEDIT_SO, RTLD_NOW | RTLD_LOCAL);
  if (kogu == nullptr) return nullptr;
  libedit_funktsioonid leitud{};
#define ZEMTAR_LEIA(f)                                              \
  leitud.f = reinterpret_cast<decltype(leitud.f)>(dlsym(kogu, #f)); \
  if (leitud.f == nullptr) {                                        \
    dlclose(kogu);                                                  \
    return nullptr;                                                 \
  }
  ZEMTAR_LIBEDIT_FUNKTSIOONID(ZEMTAR_LEIA)
#undef ZEMTAR_LEIA
  funktsioonid = leitud;
  olek = 1;
  return &funktsioonid;
}

// The strings of an operation that takes them up to a null, as many as any binding needs.
constexpr int SONU = 8;

// el_wset, el_wget and history_w take their further arguments by the operation: each
// operation that the code uses is passed on with its own, and any other fails (-1) as an
// unknown one does.
// The prompt's function, as el_wset takes it.
using viip_t = wchar_t* (*)(EditLine*);

int seada(const libedit_funktsioonid& f, EditLine* el, int op, va_list a) {
  switch (op) {
    case EL_SIGNAL:
      return f.el_wset(el, op, va_arg(a, int));
    case EL_EDITOR:
      return f.el_wset(el, op, va_arg(a, const wchar_t*));
    case EL_CLIENTDATA:
      return f.el_wset(el, op, va_arg(a, void*));
    case EL_GETCFN:
      return f.el_wset(el, op, va_arg(a, el_rfunc_t));
    case EL_PROMPT:
      return f.el_wset(el, op, va_arg(a, viip_t));
    case EL_HIST: {
      // The history function given is this file's; the library is given its own.
      auto* funktsioon = va_arg(a, decltype(&::history_w));
      if (funktsioon == &::history_w) funktsioon = f.history_w;
      return f.el_wset(el, op, funktsioon, va_arg(a, void*));
    }
    case EL_BIND: {
      const wchar_t* s[SONU + 1] = {};
      int n = 0;
      while (n <= SONU && (s[n] = va_arg(a, const wchar_t*)) != nullptr)
        ++n;
      if (n > SONU) return -1;
      return f.el_wset(el, op, s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], nullptr);
    }
  }
  return -1;
}

int kysida(const libedit_funktsioonid& f, EditLine* el, int op, va_list a) {
  switch (op) {
    case EL_CLIENTDATA:
      return f.el_wget(el, op, va_arg(a, void**));
  }
  return -1;
}

int ajaloost(const libedit_funktsioonid& f, HistoryW* h, HistEventW* syndmus, int op, va_list a) {
  switch (op) {
    case H_FIRST:
      return f.history_w(h, syndmus, op);
    case H_SETSIZE:
      return f.history_w(h, syndmus, op, va_arg(a, int));
    case H_ENTER:
      return f.history_w(h, syndmus, op, va_arg(a, const wchar_t*));
  }
  return -1;
}

}  // namespace

extern "C" {

EditLine* el_init(const char* programm, FILE* sisse, FILE* valja, FILE* vead) {
  const auto* f = libedit();
  return f != nullptr ? f->el_init(programm, sisse, valja, vead) : nullptr;
}

void el_end(EditLine* el) {
  if (const auto* f = libedit()) f->el_end(el);
}

const wchar_t* el_wgets(EditLine* el, int* pikkus) {
  if (const auto* f = libedit()) return f->el_wgets(el, pikkus);
  *pikkus = -1;
  return nullptr;
}

int el_wset(EditLine* el, int op, ...) {
  va_list a;
  va_start(a, op);
  const int tulemus = libedit() != nullptr ? seada(*libedit(), el, op, a) : -1;
  va_end(a);
  return tulemus;
}

int el_wget(EditLine* el, int op, ...) {
  va_list a;
  va_start(a, op);
  const int tulemus = libedit() != nullptr ? kysida(*libedit(), el, op, a) : -1;
  va_end(a);
  return tulemus;
}

HistoryW* history_winit() {
  const auto* f = libedit();
  return f != nullptr ? f->history_winit() : nullptr;
}

void history_wend(HistoryW* h) {
  if (const auto* f = libedit()) f->history_wend(h);
}

int history_w(HistoryW* h, HistEventW* syndmus, int op, ...) {
  va_list a;
  va_start(a, op);
  const int tulemus = libedit() != nullptr ? ajaloost(*libedit(), h, syndmus, op, a) : -1;
  va_end(a);
  return tulemus;
}

}  // extern "C"
