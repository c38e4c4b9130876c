#!/usr/bin/env bash
# Writes small media files of every kind the player accepts into the given folder (once):
# tones as wave and MP3, a test picture as MPEG-1, AVI and QuickTime, a CD-audio track
# reference, fifty one-second tones for long runs, and Japanese names whose Shift_JIS form
# has the trail bytes 0x5C ("\") and 0x7C ("|"). Everything is generated here, so no media
# file is kept in the repository.
set -euo pipefail
dir=${1:?usage: make-samples.sh FOLDER}
mkdir -p "$dir"
cd "$dir"
stamp=.complete-2
[ -f "$stamp" ] && exit 0

tone() { ffmpeg -loglevel error -y -f lavfi -i "sine=frequency=$1:duration=$2" "${@:3}"; }
picture() { ffmpeg -loglevel error -y -f lavfi -i "testsrc=size=$1:rate=$2:duration=$3" "${@:4}"; }

tone 440 5 -ac 2 -ar 44100 tone440.wav
tone 660 3 -ac 1 -ar 22050 短い音.wav
tone 523 8 -b:a 128k melody.mp3
# 表 is 0x95 0x5C in Shift_JIS, ポ is 0x83 0x7C: neither may split a path or a name.
tone 587 2 -ac 1 -ar 22050 表示テスト.wav
tone 698 2 -b:a 96k ポップ.mp3
picture 320x240 25 4 -c:v mpeg1video picture.mpg
picture 320x240 10 3 -c:v cinepak picture.avi
picture 160x120 10 3 -c:v cinepak 小さい映像.avi
picture 320x240 25 3 -c:v mjpeg -an clip.mov

# A CD-audio track reference as the shell writes it for track 1 of a disc ("RIFF" "CDDA",
# format chunk of 24 bytes: version 1, track 1, a serial number, start and length in
# sectors and in MSF). Opening it needs a disc in a drive.
printf 'RIFF\x24\x00\x00\x00CDDAfmt \x18\x00\x00\x00\x01\x00\x01\x00\x78\x56\x34\x12\x00\x00\x00\x00\xee\x02\x00\x00\x00\x02\x00\x00\x00\x0a\x00\x00' >track01.cda

# Fifty one-second tones for continuous play over many files.
mkdir -p many
for i in $(seq -w 1 50); do
  tone $((300 + 10 * 10#$i)) 1 -ac 1 -ar 22050 "many/tone$i.wav"
done

touch "$stamp"
