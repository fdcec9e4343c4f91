#!/usr/bin/env python3
"""Writes the seeds in corpus/fuzz_cd_poll, laid out as fuzz_cd_poll.cpp reads its input.

FuzzedDataProvider takes strings from the front (each ended by a backslash and one other byte)
and numbers from the back, one byte each here, the first number in the last byte.
"""
import os

NONE = None  # an answer code of 0


class Seed:
    def __init__(self, repeat_track):
        self.front, self.numbers = b"", []
        self.numbers += [1, repeat_track]  # ConsumeBool true, then a track in 0..4
        self.error_texts = []

    def error_text(self, code, text):
        self.error_texts.append((code, text))
        return self

    def tick(self, operation, *answers):
        if self.error_texts is not None:
            self.numbers.append(len(self.error_texts))
            for code, text in self.error_texts:
                self.numbers.append(code - 256)
                self.string(text)
            self.error_texts = None
        self.numbers += [operation, len(answers)]
        for code, reply in answers:
            self.numbers.append(0 if code is NONE else 128 + code - 256)  # 0 or 256..271
            self.string(reply)
        return self

    def string(self, text):
        self.front += text.replace(b"\\", b"\\\\") + b"\\;"

    def bytes(self):
        if self.error_texts is not None:
            self.tick(0)
        return self.front + bytes(reversed(self.numbers))


CD, MP3_MODE, MP3_POLL = 0, 2, 3
seeds = {
    "whole_disc": Seed(0).tick(CD, (NONE, b"1"), (NONE, b"12"), (NONE, b"stopped"), (NONE, b""))
                         .tick(CD, (NONE, b"1"), (NONE, b"12"), (NONE, b"playing")),
    "repeat_track": Seed(3).tick(CD, (NONE, b"4"), (NONE, b"12"), (NONE, b"playing"),
                                 (NONE, b"03:00:00:00"), (NONE, b""))
                           .tick(CD, (NONE, b" 3 "), (NONE, b"12"), (NONE, b"paused")),
    "repeat_past_last_track": Seed(4).error_text(263, b"The specified track is not there.")
                                     .tick(CD, (NONE, b"1"), (NONE, b"3"), (NONE, b"stopped"),
                                           (263, b""), (NONE, b"")),
    "no_disc": Seed(0).error_text(262, b"The device is not ready.").tick(CD, (262, b"")),
    "count_says_err": Seed(2).tick(CD, (NONE, b"1"), (NONE, b"no err")),
    "track_not_a_number": Seed(3).tick(CD, (NONE, b"abc"), (NONE, b"12"), (NONE, b"playing")),
    "mp3": Seed(0).tick(MP3_MODE, (NONE, b"playing")).tick(MP3_POLL, (NONE, b"stopped"))
                  .tick(MP3_POLL, (263, b"")),
}
folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", "fuzz_cd_poll")
os.makedirs(folder, exist_ok=True)
for name, seed in seeds.items():
    with open(os.path.join(folder, name), "wb") as out:
        out.write(seed.bytes())
