#!/bin/sh
# A program built for node, run as the end-to-end tests run any other:
#   ZEMTAR_VEEB=build-web ZEMTAR_EEL=tests/web/node.sh build/tests/testid_otsast_otsani
# Emscripten 3.1.6's loader would take the fetch of node 18 and later for its own.
exec node --no-experimental-fetch "$@"
