// Lines evaluated on a fresh evaluator each, in tables by what they give; output as bytes.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "eval/infiksavaldis.h"
#include "tekstid.h"

struct valjund {
  std::FILE* voog = std::tmpfile();
  ~valjund() { std::fclose(voog); }
  std::string tekst() const {
    std::string baidid(static_cast<std::size_t>(std::ftell(voog)), '\0');
    std::rewind(voog);
    return baidid.substr(0, std::fread(baidid.data(), 1, baidid.size(), voog));
  }
};

// A line that gives this value and prints nothing, or that prints this message and gives 0.
inline void arvuta(std::string_view rida, float tulemus, const std::string& teade = "") {
  SCOPED_TRACE(rida.substr(0, 40));
  valjund v;
  zemtar::infiksavaldis a(v.voog);
  EXPECT_EQ(a.arvuta(rida), teade.empty() ? 1 : 0);
  EXPECT_EQ(v.tekst(), teade);
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
