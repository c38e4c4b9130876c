#!/usr/bin/env bash
# Writes a few small media files of the kinds the player accepts into the given folder
# (once): tones as wave and MP3, a test picture as MPEG-1 and as AVI, and a name in
# Japanese. Generated here, so no media file is kept in the repository.
set -euo pipefail
dir=${1:?usage: make-samples.sh FOLDER}
mkdir -p "$dir"
cd "$dir"
[ -f .complete ] && exit 0
tone() { ffmpeg -loglevel error -y -f lavfi -i "sine=frequency=$1:duration=$2" "${@:3}"; }
tone 440 5 -ac 2 -ar 44100 tone440.wav
tone 660 3 -ac 1 -ar 22050 短い音.wav
tone 523 8 -b:a 128k melody.mp3
ffmpeg -loglevel error -y -f lavfi -i testsrc=size=320x240:rate=25:duration=4 -c:v mpeg1video picture.mpg
ffmpeg -loglevel error -y -f lavfi -i testsrc=size=160x120:rate=10:duration=3 -c:v cinepak picture.avi
touch .complete
