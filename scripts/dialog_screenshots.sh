#!/bin/sh
# Pictures of the settings and option dialogs into docs/, taken on Xvfb.
# Run from the repository's folder after a build.
set -e
xvfb-run -a -s "-screen 0 1280x1024x24" build/bin/dialog_screenshots docs
