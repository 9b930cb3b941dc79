#!/usr/bin/env bash
# The Debian package of one commit, built twice from two clones in folders of different names
# and at different times, must be the same file byte for byte. When it is not, says which
# members of the archive differ and, inside them, which files and which file entries.
#
# pakett/korratav.sh [COMMIT]     (default HEAD; what is not committed does not count)
set -euo pipefail
cd "$(dirname "$0")/.."
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# Clones the commit into the folder, builds and packs it there, and names the package.
ehita() {
  local kaust=$1
  {
    git clone -q --no-checkout . "$kaust" && git -C "$kaust" checkout -q --detach "$2" &&
      cmake -S "$kaust" -B "$kaust/ehitus" -DZEMTAR_TESTS=OFF &&
      cmake --build "$kaust/ehitus" -j2 && (cd "$kaust/ehitus" && cpack -G DEB -B "$kaust/pakett")
  } >"$kaust.log" 2>&1 || { cat "$kaust.log" >&2; exit 1; }
  ls "$kaust"/pakett/*.deb
}

versioon=$(git rev-parse "${1:-HEAD}")
echo "== the Debian package, built twice from ${versioon:0:7}"
mkdir -p "$tmp/teine/kaust/pikema"
a=$(ehita "$tmp/esimene" "$versioon")
sleep 2
b=$(ehita "$tmp/teine/kaust/pikema/nimega" "$versioon")
sha256sum "$a" "$b" | sed "s|$tmp/||"
cmp -s "$a" "$b" && { echo "== identical"; exit 0; }

echo "VIGA: the two builds differ" >&2
for liige in $(ar t "$a"); do
  cmp -s <(ar p "$a" "$liige") <(ar p "$b" "$liige") || echo "  member $liige differs" >&2
done
diff <(ar tv "$a") <(ar tv "$b") >&2 || true
for osa in control data; do
  for k in a b; do
    mkdir -p "$tmp/$osa.$k"
    liige=$(ar t "${!k}" | grep "^$osa\.")
    ar p "${!k}" "$liige" | tar -xzf - -C "$tmp/$osa.$k"
    ar p "${!k}" "$liige" | tar -tvzf - --full-time >"$tmp/$osa.$k.nimekiri"
  done
  diff -r "$tmp/$osa.a" "$tmp/$osa.b" >&2 || true
  diff "$tmp/$osa.a.nimekiri" "$tmp/$osa.b.nimekiri" >&2 || true
done
exit 1
