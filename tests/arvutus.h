// Lines evaluated on a fresh evaluator each, in tables by what they give; a stream's bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "eval/infiksavaldis.h"
#include "tekstid.h"

// What a writer wrote to the stream.
struct valjund {
  std::FILE* voog = std::tmpfile();
  ~valjund() { std::fclose(voog); }
  std::string tekst() const {
    std::string baidid(static_cast<std::size_t>(std::ftell(voog)), '\0');
    std::rewind(voog);
    return baidid.substr(0, std::fread(baidid.data(), 1, baidid.size(), voog));
  }
};

// The message as it is written: a token's after "Viga: " and with a newline. None after a value.
inline std::string teade(const zemtar::vastus& v) {
  if (v) return "";
  return v.kantud ? "Viga: " + std::string(v.teade) + "\n" : v.teade;
}

// A line that gives this value, or that fails with this message and gives 0.
inline void arvuta(std::string_view rida, float tulemus, const std::string& oodatud = "") {
  SCOPED_TRACE(rida.substr(0, 40));
  zemtar::infiksavaldis a;
  EXPECT_EQ(teade(a.arvuta(rida)), oodatud);
  EXPECT_EQ(a.tulemus, tulemus);
}

// Each "line = value".
inline void vaartused(std::initializer_list<std::string> read) {
  for (const std::string& r : read)
    arvuta(jaga(r).first, std::stof(jaga(r).second));
}

// Lines that each fail with the same message.
inline void vead(const std::string& teade, std::initializer_list<std::string> read) {
  for (const std::string& r : read)
    arvuta(r, 0, teade);
}
