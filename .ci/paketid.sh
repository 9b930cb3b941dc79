# Which Debian packages are missing, for .ci/run, the other .ci scripts and bench/vordle.sh
# (sourced by each).

# The names of those of the packages given that are not installed, on one line.
puuduvad() {
  local p puudu=()
  for p in "$@"; do
    # With a second architecture added, a name alone can be ambiguous: the machine's own then.
    dpkg -s "$p" >/dev/null 2>&1 || dpkg -s "$p:$(dpkg --print-architecture)" >/dev/null 2>&1 ||
      puudu+=("$p")
  done
  echo "${puudu[*]}"
}

# Stops the script that needs these packages when any is missing.
noua() {
  local puudu
  puudu=$(puuduvad "$@")
  if [ -n "$puudu" ]; then
    echo "missing Debian packages (bash .ci/run installs them): $puudu" >&2
    exit 1
  fi
}
