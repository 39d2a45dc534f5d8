#!/usr/bin/env python3
"""Writes the JSON of a large help project for the viewer check: many
topics with every subject type, every action of jumps, pictures and global
strings, three help windows, keywords and browse keys. `veldor-cli load`
turns it into a project.

    make_large_project.py OUT.json [TOPICS]
"""
import json
import sys

out = sys.argv[1]
count = int(sys.argv[2]) if len(sys.argv) > 2 else 300
names = ["SUJET_%04d" % i for i in range(count)]
actions = [0, 1, 2, 3, 4, 5, 6]  # rien, saut, son, pop-up, imprime, quitte, execute
windows = [
    {"name": "main", "caption": "Grande aide", "x": 50, "y": 40, "width": 700, "height": 800},
    {"name": "second", "caption": "Seconde fenetre", "x": 600, "y": 60, "width": 350,
     "height": 500, "mainColour": 0xE0FFFF, "useMainColour": 1},
    {"name": "glossai", "caption": "Glossaire", "usePosition": 0, "onTop": 1,
     "nonScrollColour": 0xC0C0C0, "useNonScrollColour": 1},
]


def action_fields(action, i):
    fields = {"action": action}
    if action in (1, 3):
        fields["target"] = names[(i * 7 + 3) % count]
    if action == 1 and i % 3 == 0:
        fields["windowName"] = "second"
    if action == 2:
        fields["soundOrCommand"] = "ding.wav"
    if action == 6:
        fields["soundOrCommand"] = "notepad.exe"
    return fields


topics = []
for i, name in enumerate(names):
    subjects = [
        {"typeCode": 0, "text": "Sujet numero %d" % i, "flags": 1 | 4},
        {"typeCode": 1, "text": "Sous-titre %d" % i},
        {"typeCode": 3, "text": ("Texte du sujet %d, qui parle du classeur, de l'etiquette et de "
                                 "la corbeille. " % i) * 4},
        {"typeCode": 2, "text": "Un paragraphe en retrait pour le sujet %d." % i},
    ]
    for a in actions:
        subjects.append(dict({"typeCode": 5, "text": "Action %d depuis %d" % (a, i)},
                             **action_fields(a, i + a)))
    if i % 10 == 0:
        for alignment in (0, 1, 2):
            subjects.append(dict({"typeCode": 4, "title": "ecran.bmp",
                                  "text": "Image %d" % alignment, "alignment": alignment},
                                 **action_fields(actions[(i + alignment) % 7], i)))
    topics.append({
        "name": name,
        "title": "Sujet %d" % i,
        "keywords": ["clef %d" % (i % 37), "tout", "Sujet %d" % i],
        "chapter": "Chapitre %d" % (i // 50),
        "browse": "%04d" % i,
        "subjects": subjects,
    })

globals_ = [
    {"text": "classeur", "action": 3, "target": names[1]},
    {"text": "etiquette", "action": 1, "target": names[2]},
    {"text": "corbeille", "action": 3, "target": names[3], "caseSensitive": 1},
]
project = {
    "projectName": "LARGE",
    "helpTitle": "Grande aide de test",
    "contentsTopic": names[0],
    "rightsNotice": "Projet genere pour la verification",
    "errorLogFile": "LARGE.ERR",
    "compression": 2,
    "warningLevel": 2,
    "helpCompiler": 2,
    "help32": 1,
    "chapters": sorted({t["chapter"] for t in topics}),
    "windows": windows,
    "globals": globals_,
    "topics": topics,
}
with open(out, "w", encoding="utf-8") as f:
    json.dump(project, f, ensure_ascii=False, indent=1)
