#!/usr/bin/env python3
"""Writes the bundled sample question banks (Latin-1, CR LF) into samples/.

Each question is written once with its correct answer first; the script
places it at a position that moves from question to question, so the
English bank and its French twin carry the same expected answers.
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "samples")

# (lesson id, English title, French title, [topics])
# topic: [questions]; question: (en question, [en answers, correct first], en explanation,
#                                fr question, [fr answers], fr explanation)
LESSONS = []

def lesson(ident, en, fr):
    LESSONS.append((ident, en, fr, []))

def topic(*questions):
    LESSONS[-1][3].append(list(questions))

def q(enq, ena, enx, frq, fra, frx):
    return (enq, ena, enx, frq, fra, frx)

# ---------------------------------------------------------------- regulations
lesson("REG", "Regulations and the operator certificate", "Réglementation et certificat d'opérateur")
topic(
    q("Which federal department issues the Amateur Radio Operator Certificate in Canada?",
      ["Innovation, Science and Economic Development Canada", "The Canadian Radio-television and Telecommunications Commission", "Transport Canada", "Radio Amateurs of Canada"],
      "ISED (formerly Industry Canada) administers the radio spectrum and issues operator certificates. Radio Amateurs of Canada is a volunteer association, not a regulator.",
      "Quel ministère fédéral délivre le certificat d'opérateur radioamateur au Canada?",
      ["Innovation, Sciences et Développement économique Canada", "Le Conseil de la radiodiffusion et des télécommunications canadiennes", "Transports Canada", "Radio Amateurs du Canada"],
      "ISDE (autrefois Industrie Canada) gère le spectre radio et délivre les certificats d'opérateur. Radio Amateurs du Canada est une association bénévole, pas un organisme de réglementation."),
    q("What is the pass mark of the Basic qualification examination?",
      ["70 per cent", "60 per cent", "80 per cent", "50 per cent"],
      "A mark of 70 % passes the Basic examination. A mark of 80 % or more gives the Basic qualification with Honours.",
      "Quelle est la note de passage de l'examen de compétence de base?",
      ["70 pour cent", "60 pour cent", "80 pour cent", "50 pour cent"],
      "Une note de 70 % suffit pour réussir l'examen de base. Une note de 80 % ou plus donne la compétence de base avec distinction."),
    q("What does a mark of 80 per cent or more on the Basic examination add to the Basic privileges?",
      ["Access to all amateur bands below 30 MHz", "Permission to build transmitters from scratch", "Permission to operate a repeater", "A higher power limit of 1000 watts"],
      "Basic with Honours opens the HF bands below 30 MHz. Building transmitters, repeaters and the higher power limit come with the Advanced qualification.",
      "Qu'ajoute une note de 80 pour cent ou plus à l'examen de base aux privilèges de base?",
      ["L'accès à toutes les bandes amateur sous 30 MHz", "Le droit de construire des émetteurs de toutes pièces", "Le droit d'exploiter un répéteur", "Une limite de puissance de 1000 watts"],
      "La compétence de base avec distinction ouvre les bandes HF sous 30 MHz. La construction d'émetteurs, les répéteurs et la limite de puissance plus élevée viennent avec la compétence supérieure."),
)
topic(
    q("How often must an amateur station identify with its call sign during a contact?",
      ["At the beginning and end of each exchange and at least every 30 minutes", "Only at the end of the contact", "Every 5 minutes", "Only when asked by the other station"],
      "The call sign is given at the beginning and end of each exchange of communications and at intervals of no more than 30 minutes.",
      "À quelle fréquence une station amateur doit-elle s'identifier par son indicatif pendant un contact?",
      ["Au début et à la fin de chaque échange et au moins toutes les 30 minutes", "Seulement à la fin du contact", "Toutes les 5 minutes", "Seulement si l'autre station le demande"],
      "L'indicatif est donné au début et à la fin de chaque échange de communications et à des intervalles d'au plus 30 minutes."),
    q("A call sign beginning with VE3 or VA3 belongs to a station licensed in which province?",
      ["Ontario", "Quebec", "British Columbia", "Nova Scotia"],
      "The digit of a Canadian call sign shows the province: 2 Quebec, 3 Ontario, 7 British Columbia, 1 the Maritimes.",
      "Un indicatif commençant par VE3 ou VA3 appartient à une station de quelle province?",
      ["Ontario", "Québec", "Colombie-Britannique", "Nouvelle-Écosse"],
      "Le chiffre d'un indicatif canadien désigne la province: 2 le Québec, 3 l'Ontario, 7 la Colombie-Britannique, 1 les Maritimes."),
    q("Which language may be used to identify a station by voice?",
      ["English or French", "Any language", "English only", "French only"],
      "Voice identification is made in English or French. The international phonetic alphabet helps the call sign get through.",
      "En quelle langue peut-on identifier une station en téléphonie?",
      ["En anglais ou en français", "En n'importe quelle langue", "En anglais seulement", "En français seulement"],
      "L'identification en téléphonie se fait en anglais ou en français. L'alphabet phonétique international aide à faire passer l'indicatif."),
)
topic(
    q("What is the maximum transmitter power for a holder of the Basic qualification only?",
      ["250 watts DC input to the final stage, or 560 watts PEP for single sideband", "100 watts of carrier power", "1000 watts DC input to the final stage", "2250 watts PEP"],
      "Basic holders may run 250 W DC input (560 W PEP on SSB). The Advanced qualification raises this to 1000 W DC input (2250 W PEP).",
      "Quelle est la puissance maximale d'un émetteur pour le titulaire de la seule compétence de base?",
      ["250 watts d'alimentation CC de l'étage final, ou 560 watts PEP en bande latérale unique", "100 watts de porteuse", "1000 watts d'alimentation CC de l'étage final", "2250 watts PEP"],
      "Le titulaire de la compétence de base peut utiliser 250 W d'alimentation CC (560 W PEP en BLU). La compétence supérieure porte cette limite à 1000 W (2250 W PEP)."),
    q("Which transmitting equipment may a holder of the Basic qualification only operate?",
      ["Commercially built equipment or equipment built from a commercial kit", "Any equipment the holder designed and built", "Only equipment approved for marine use", "Only hand-held equipment"],
      "Designing and building one's own transmitters requires the Advanced qualification; Basic holders use commercial equipment or kits.",
      "Quel équipement d'émission le titulaire de la seule compétence de base peut-il exploiter?",
      ["De l'équipement commercial ou construit à partir d'une trousse commerciale", "Tout équipement qu'il a conçu et construit", "Seulement de l'équipement approuvé pour usage maritime", "Seulement des appareils portatifs"],
      "Concevoir et construire ses propres émetteurs exige la compétence supérieure; le titulaire de la compétence de base utilise de l'équipement commercial ou des trousses."),
)
topic(
    q("Which of these may an amateur station transmit?",
      ["Messages about amateur radio or of a personal nature", "Music for the entertainment of listeners", "Advertising for a business", "Messages coded to hide their meaning"],
      "Amateur radio serves self-training and personal communication. Music, advertising and secret codes are not allowed.",
      "Laquelle de ces transmissions une station amateur peut-elle faire?",
      ["Des messages sur la radioamateur ou de nature personnelle", "De la musique pour divertir les auditeurs", "De la publicité pour une entreprise", "Des messages codés pour en cacher le sens"],
      "La radioamateur sert à l'autoformation et aux communications personnelles. La musique, la publicité et les codes secrets sont interdits."),
    q("May an amateur accept payment for operating an amateur station?",
      ["No, the amateur service is not operated for payment", "Yes, if the payment is under 100 dollars", "Yes, during public service events", "Yes, when relaying messages for a business"],
      "The amateur service is non-commercial: no remuneration may be received for its use.",
      "Un radioamateur peut-il être payé pour exploiter une station amateur?",
      ["Non, le service amateur n'est pas exploité contre rémunération", "Oui, si le montant est inférieur à 100 dollars", "Oui, lors d'événements au service du public", "Oui, pour relayer des messages d'une entreprise"],
      "Le service amateur est non commercial: aucune rémunération ne peut être reçue pour son utilisation."),
    q("What must an amateur do when hearing a distress call?",
      ["Give it absolute priority and help if possible", "Continue the contact in progress", "Change to another band", "Report it later in writing only"],
      "Distress traffic has priority over every other communication. Any station may use any means to help a station in distress.",
      "Que doit faire un radioamateur qui entend un appel de détresse?",
      ["Lui donner priorité absolue et aider si possible", "Poursuivre le contact en cours", "Changer de bande", "Le signaler plus tard par écrit seulement"],
      "Le trafic de détresse a priorité sur toute autre communication. Toute station peut prendre tous les moyens pour aider une station en détresse."),
)
topic(
    q("In which ITU region is Canada?",
      ["Region 2", "Region 1", "Region 3", "Region 4"],
      "The ITU divides the world in three regions; the Americas form Region 2. Band plans differ slightly between regions.",
      "Dans quelle région de l'UIT se trouve le Canada?",
      ["Région 2", "Région 1", "Région 3", "Région 4"],
      "L'UIT divise le monde en trois régions; les Amériques forment la région 2. Les plans de bandes diffèrent un peu d'une région à l'autre."),
    q("May a Canadian amateur contact amateurs of other countries?",
      ["Yes, unless that country's administration has objected", "No, only Canadian stations", "Only with written permission each time", "Only stations in the United States"],
      "International amateur contacts are allowed except with a country whose administration has notified that it objects.",
      "Un radioamateur canadien peut-il communiquer avec des radioamateurs d'autres pays?",
      ["Oui, sauf si l'administration de ce pays s'y oppose", "Non, seulement avec des stations canadiennes", "Seulement avec une permission écrite chaque fois", "Seulement avec des stations des États-Unis"],
      "Les contacts amateurs internationaux sont permis, sauf avec un pays dont l'administration a fait savoir qu'elle s'y oppose."),
)
topic(
    q("Which frequency range is the 2 metre amateur band in Canada?",
      ["144 to 148 MHz", "50 to 54 MHz", "220 to 225 MHz", "430 to 450 MHz"],
      "The 2 m band runs from 144 to 148 MHz. 50-54 MHz is 6 m, 220-225 MHz is 1.25 m and 430-450 MHz is 70 cm.",
      "Quelle gamme de fréquences forme la bande amateur de 2 mètres au Canada?",
      ["144 à 148 MHz", "50 à 54 MHz", "220 à 225 MHz", "430 à 450 MHz"],
      "La bande de 2 m va de 144 à 148 MHz. 50-54 MHz est la bande de 6 m, 220-225 MHz celle de 1,25 m et 430-450 MHz celle de 70 cm."),
    q("Which frequency range is the 10 metre amateur band?",
      ["28.0 to 29.7 MHz", "21.0 to 21.45 MHz", "24.89 to 24.99 MHz", "50.0 to 54.0 MHz"],
      "The 10 m band is 28.0-29.7 MHz, the highest HF band. A Basic holder needs Honours or Morse qualification to use it.",
      "Quelle gamme de fréquences forme la bande amateur de 10 mètres?",
      ["28,0 à 29,7 MHz", "21,0 à 21,45 MHz", "24,89 à 24,99 MHz", "50,0 à 54,0 MHz"],
      "La bande de 10 m va de 28,0 à 29,7 MHz; c'est la plus haute bande HF. Le titulaire de la compétence de base doit avoir la distinction ou la compétence en morse pour l'utiliser."),
    q("Which bands may a holder of the Basic qualification only, without Honours, use?",
      ["The amateur bands above 30 MHz", "All amateur bands", "Only the 80 and 40 metre bands", "Only the bands below 30 MHz"],
      "Without Honours (or the Morse qualification), Basic privileges cover the bands above 30 MHz, such as 6 m, 2 m and 70 cm.",
      "Quelles bandes le titulaire de la seule compétence de base, sans distinction, peut-il utiliser?",
      ["Les bandes amateur au-dessus de 30 MHz", "Toutes les bandes amateur", "Seulement les bandes de 80 et 40 mètres", "Seulement les bandes sous 30 MHz"],
      "Sans distinction (ni compétence en morse), les privilèges de base couvrent les bandes au-dessus de 30 MHz, comme 6 m, 2 m et 70 cm."),
)
topic(
    q("Above what height is public consultation normally needed before putting up an amateur antenna structure?",
      ["15 metres above ground level", "5 metres above ground level", "30 metres above the roof", "Consultation is never needed"],
      "Antenna structures under 15 m above ground are normally excluded from the land-use consultation process; taller ones need consultation with the land-use authority and the public.",
      "Au-delà de quelle hauteur faut-il normalement consulter le public avant d'ériger une structure d'antenne amateur?",
      ["15 mètres au-dessus du sol", "5 mètres au-dessus du sol", "30 mètres au-dessus du toit", "La consultation n'est jamais nécessaire"],
      "Les structures d'antenne de moins de 15 m au-dessus du sol sont normalement exclues du processus de consultation; les plus hautes exigent de consulter l'autorité responsable de l'utilisation du sol et le public."),
    q("Which document sets the limits of human exposure to radio frequency fields in Canada?",
      ["Health Canada's Safety Code 6", "The Canadian Electrical Code", "The National Building Code", "The ITU Radio Regulations"],
      "Safety Code 6 from Health Canada gives the exposure limits that amateur installations must respect.",
      "Quel document fixe les limites d'exposition humaine aux champs de radiofréquences au Canada?",
      ["Le Code de sécurité 6 de Santé Canada", "Le Code canadien de l'électricité", "Le Code national du bâtiment", "Le Règlement des radiocommunications de l'UIT"],
      "Le Code de sécurité 6 de Santé Canada donne les limites d'exposition que les installations amateur doivent respecter."),
)
topic(
    q("Which qualification is needed to install and operate a repeater station?",
      ["Advanced", "Basic", "Basic with Honours", "Morse code"],
      "Repeaters, club stations and remotely controlled stations require the Advanced qualification.",
      "Quelle compétence faut-il pour installer et exploiter un répéteur?",
      ["Supérieure", "De base", "De base avec distinction", "Code morse"],
      "Les répéteurs, les stations de club et les stations télécommandées exigent la compétence supérieure."),
    q("What should an amateur do when an ISED inspector asks to see the station?",
      ["Allow the inspection and show the certificate", "Refuse without a court order", "Switch the station off and leave", "Ask for a fee"],
      "The station and the certificate must be made available for inspection by an authorized ISED representative.",
      "Que doit faire un radioamateur quand un inspecteur d'ISDE demande à voir la station?",
      ["Permettre l'inspection et montrer le certificat", "Refuser sans ordonnance de tribunal", "Éteindre la station et partir", "Demander des frais"],
      "La station et le certificat doivent être rendus disponibles pour inspection par un représentant autorisé d'ISDE."),
)

# ---------------------------------------------------------------- operating
lesson("OPS", "Operating practice", "Pratiques d'exploitation")
topic(
    q("How is the letter K spoken in the international phonetic alphabet?",
      ["Kilo", "King", "Kilowatt", "Kentucky"],
      "The ITU phonetic alphabet uses Kilo for K. Words such as King or Kentucky are not part of it.",
      "Comment se dit la lettre K dans l'alphabet phonétique international?",
      ["Kilo", "King", "Kilowatt", "Kentucky"],
      "L'alphabet phonétique de l'UIT utilise Kilo pour K. Des mots comme King ou Kentucky n'en font pas partie."),
    q("How is the letter Q spoken in the international phonetic alphabet?",
      ["Quebec", "Queen", "Quality", "Quarter"],
      "Q is Quebec in the ITU phonetic alphabet.",
      "Comment se dit la lettre Q dans l'alphabet phonétique international?",
      ["Québec", "Queen", "Qualité", "Quart"],
      "Q se dit Québec dans l'alphabet phonétique de l'UIT."),
    q("Which phonetic words spell the call sign VE7?",
      ["Victor Echo Seven", "Victoria Easy Seven", "Victor Edward Seven", "Violet Echo Seven"],
      "V is Victor and E is Echo; digits are spoken as numbers.",
      "Quels mots phonétiques épellent l'indicatif VE7?",
      ["Victor Echo Sept", "Victoria Easy Sept", "Victor Edward Sept", "Violet Echo Sept"],
      "V se dit Victor et E se dit Echo; les chiffres se disent comme des nombres."),
)
topic(
    q("What does the Q signal QTH mean?",
      ["My location is ...", "I am receiving interference", "I acknowledge receipt", "Who is calling me?"],
      "QTH is the station's location. QRM is interference, QSL acknowledges receipt and QRZ asks who is calling.",
      "Que signifie le code Q QTH?",
      ["Ma position est ...", "Je reçois du brouillage", "J'accuse réception", "Qui m'appelle?"],
      "QTH est la position de la station. QRM est le brouillage, QSL accuse réception et QRZ demande qui appelle."),
    q("What does the Q signal QRM mean?",
      ["Interference from other stations", "Static from natural sources", "Reduce power", "Send more slowly"],
      "QRM is man-made interference; QRN is natural static, QRP low power and QRS sending more slowly.",
      "Que signifie le code Q QRM?",
      ["Du brouillage causé par d'autres stations", "Des parasites d'origine naturelle", "Réduisez la puissance", "Transmettez plus lentement"],
      "QRM est le brouillage d'origine humaine; QRN les parasites naturels, QRP la faible puissance et QRS transmettre plus lentement."),
    q("What does the Q signal QSL mean?",
      ["I acknowledge receipt", "I am changing frequency", "Stop sending", "My location is ..."],
      "QSL acknowledges receipt; the QSL card confirms a contact in writing.",
      "Que signifie le code Q QSL?",
      ["J'accuse réception", "Je change de fréquence", "Cessez de transmettre", "Ma position est ..."],
      "QSL accuse réception; la carte QSL confirme un contact par écrit."),
    q("What does the Q signal QRZ? ask?",
      ["Who is calling me?", "What is your location?", "Are you busy?", "Shall I increase power?"],
      "QRZ? asks who is calling, when a call was heard but the call sign was not copied.",
      "Que demande le code Q QRZ?",
      ["Qui m'appelle?", "Quelle est votre position?", "Êtes-vous occupé?", "Dois-je augmenter la puissance?"],
      "QRZ? demande qui appelle, quand on a entendu un appel sans saisir l'indicatif."),
)
topic(
    q("What is the usual offset between input and output frequencies of a 2 metre repeater?",
      ["600 kHz", "5 MHz", "1.6 MHz", "100 kHz"],
      "2 m repeaters transmit and listen 600 kHz apart; 70 cm repeaters usually use 5 MHz.",
      "Quel est l'écart habituel entre les fréquences d'entrée et de sortie d'un répéteur de 2 mètres?",
      ["600 kHz", "5 MHz", "1,6 MHz", "100 kHz"],
      "Les répéteurs de 2 m émettent et écoutent à 600 kHz d'écart; ceux de 70 cm utilisent habituellement 5 MHz."),
    q("Why do many repeaters need a CTCSS tone?",
      ["The tone opens the repeater's receiver, keeping out unwanted signals", "The tone identifies the repeater owner", "The tone improves audio quality", "The tone sets the output power"],
      "A continuous sub-audible tone must accompany the signal for the repeater to respond, so stray signals do not key it.",
      "Pourquoi plusieurs répéteurs exigent-ils une tonalité CTCSS?",
      ["La tonalité ouvre le récepteur du répéteur et écarte les signaux indésirables", "La tonalité identifie le propriétaire du répéteur", "La tonalité améliore la qualité audio", "La tonalité règle la puissance de sortie"],
      "Une tonalité sub-audible continue doit accompagner le signal pour que le répéteur réponde; les signaux parasites ne le déclenchent donc pas."),
    q("When two stations can hear each other directly, what is good practice?",
      ["Move off the repeater to a simplex frequency", "Stay on the repeater and talk longer", "Increase power on the repeater", "Use the repeater output frequency"],
      "Simplex contacts leave the repeater free for stations that need it.",
      "Quand deux stations s'entendent directement, quelle est la bonne pratique?",
      ["Quitter le répéteur pour une fréquence simplex", "Rester sur le répéteur et parler plus longtemps", "Augmenter la puissance sur le répéteur", "Utiliser la fréquence de sortie du répéteur"],
      "Les contacts en simplex laissent le répéteur libre pour les stations qui en ont besoin."),
)
topic(
    q("What should you do before calling CQ on a frequency?",
      ["Listen, then ask if the frequency is in use", "Call immediately at full power", "Send a long test carrier", "Check the time in UTC"],
      "Listening first and asking whether the frequency is in use avoids interfering with a contact you may not hear.",
      "Que faut-il faire avant de lancer appel général (CQ) sur une fréquence?",
      ["Écouter, puis demander si la fréquence est occupée", "Appeler aussitôt à pleine puissance", "Émettre une longue porteuse d'essai", "Vérifier l'heure UTC"],
      "Écouter d'abord et demander si la fréquence est occupée évite de brouiller un contact qu'on n'entend peut-être pas."),
    q("What does 73 mean at the end of a contact?",
      ["Best regards", "Love and kisses", "Goodbye forever", "Please repeat"],
      "73 is the traditional friendly closing between amateurs.",
      "Que signifie 73 à la fin d'un contact?",
      ["Meilleures salutations", "Bises affectueuses", "Adieu pour toujours", "Veuillez répéter"],
      "73 est la salutation amicale traditionnelle entre radioamateurs."),
)
topic(
    q("What does a signal report of 5 and 9 mean on voice?",
      ["Perfectly readable, extremely strong signal", "Weak but readable signal", "Readable with difficulty, strong signal", "Perfect tone, weak signal"],
      "In the RS(T) system readability runs from 1 to 5 and strength from 1 to 9; 59 is the best voice report.",
      "Que signifie un rapport de signal de 5 et 9 en téléphonie?",
      ["Parfaitement lisible, signal extrêmement fort", "Signal faible mais lisible", "Lisible avec difficulté, signal fort", "Tonalité parfaite, signal faible"],
      "Dans le système RS(T), la lisibilité va de 1 à 5 et la force de 1 à 9; 59 est le meilleur rapport en téléphonie."),
    q("In the RST report 579 sent on Morse code, what does the 9 describe?",
      ["The tone, which is pure", "The strength, which is very strong", "The readability, which is perfect", "The distance between stations"],
      "R is readability, S strength and T tone; a T of 9 means a pure, steady tone.",
      "Dans le rapport RST 579 envoyé en code morse, que décrit le 9?",
      ["La tonalité, qui est pure", "La force, qui est très forte", "La lisibilité, qui est parfaite", "La distance entre les stations"],
      "R est la lisibilité, S la force et T la tonalité; un T de 9 indique une tonalité pure et stable."),
)
topic(
    q("What is the national FM simplex calling frequency on the 2 metre band?",
      ["146.520 MHz", "144.200 MHz", "147.000 MHz", "145.800 MHz"],
      "146.520 MHz is the FM simplex calling frequency in North America. 144.200 MHz is the SSB calling frequency.",
      "Quelle est la fréquence d'appel nationale en FM simplex sur la bande de 2 mètres?",
      ["146,520 MHz", "144,200 MHz", "147,000 MHz", "145,800 MHz"],
      "146,520 MHz est la fréquence d'appel FM simplex en Amérique du Nord. 144,200 MHz est la fréquence d'appel BLU."),
    q("Why do amateurs follow band plans?",
      ["So that different modes share a band without interfering with each other", "Because band plans set the legal power limits", "To keep beginners off the air", "Because band plans replace the regulations"],
      "Band plans are voluntary agreements that keep CW, SSB, digital and FM activity in their own parts of a band.",
      "Pourquoi les radioamateurs suivent-ils les plans de bandes?",
      ["Pour que divers modes partagent une bande sans se brouiller", "Parce que les plans de bandes fixent les limites de puissance légales", "Pour tenir les débutants loin des ondes", "Parce que les plans de bandes remplacent la réglementation"],
      "Les plans de bandes sont des ententes volontaires qui gardent le CW, la BLU, le numérique et la FM dans leur partie de la bande."),
)
topic(
    q("Which time is normally used in amateur logs and schedules?",
      ["Coordinated Universal Time (UTC)", "Local standard time", "Eastern time", "Daylight saving time"],
      "UTC avoids confusion between time zones; it is written in the 24-hour format.",
      "Quelle heure utilise-t-on normalement dans les registres et les rendez-vous amateurs?",
      ["Le temps universel coordonné (UTC)", "L'heure normale locale", "L'heure de l'Est", "L'heure avancée"],
      "L'UTC évite la confusion entre les fuseaux horaires; elle s'écrit sur 24 heures."),
    q("What is 1900 UTC in Eastern Standard Time (UTC minus 5 hours)?",
      ["2:00 p.m.", "7:00 p.m.", "12:00 noon", "Midnight"],
      "Subtract 5 hours: 1900 UTC is 1400 EST, that is 2:00 p.m.",
      "À quelle heure normale de l'Est (UTC moins 5 heures) correspond 1900 UTC?",
      ["14 h 00", "19 h 00", "12 h 00", "Minuit"],
      "On retranche 5 heures: 1900 UTC correspond à 14 h 00 HNE."),
)

# ---------------------------------------------------------------- electronics
lesson("ELEC", "Electricity and electronics", "Électricité et électronique")
topic(
    q("What current flows when 12 volts is applied across a 6 ohm resistor?",
      ["2 amperes", "72 amperes", "0.5 ampere", "18 amperes"],
      "Ohm's law: I = E / R = 12 / 6 = 2 A.",
      "Quel courant circule quand on applique 12 volts à une résistance de 6 ohms?",
      ["2 ampères", "72 ampères", "0,5 ampère", "18 ampères"],
      "Loi d'Ohm: I = E / R = 12 / 6 = 2 A."),
    q("What voltage appears across a 100 ohm resistor carrying 0.5 ampere?",
      ["50 volts", "200 volts", "0.005 volt", "100.5 volts"],
      "Ohm's law: E = I x R = 0.5 x 100 = 50 V.",
      "Quelle tension apparaît aux bornes d'une résistance de 100 ohms parcourue par 0,5 ampère?",
      ["50 volts", "200 volts", "0,005 volt", "100,5 volts"],
      "Loi d'Ohm: E = I x R = 0,5 x 100 = 50 V."),
    q("What resistance draws 3 amperes from a 9 volt source?",
      ["3 ohms", "27 ohms", "0.33 ohm", "12 ohms"],
      "R = E / I = 9 / 3 = 3 ohms.",
      "Quelle résistance tire 3 ampères d'une source de 9 volts?",
      ["3 ohms", "27 ohms", "0,33 ohm", "12 ohms"],
      "R = E / I = 9 / 3 = 3 ohms."),
)
topic(
    q("How much power does a transceiver draw from a 13.8 volt supply when it takes 10 amperes?",
      ["138 watts", "1.38 watts", "23.8 watts", "13.8 watts"],
      "P = E x I = 13.8 x 10 = 138 W.",
      "Quelle puissance un émetteur-récepteur tire-t-il d'une alimentation de 13,8 volts quand il consomme 10 ampères?",
      ["138 watts", "1,38 watt", "23,8 watts", "13,8 watts"],
      "P = E x I = 13,8 x 10 = 138 W."),
    q("How much power is dissipated in a 10 ohm resistor carrying 2 amperes?",
      ["40 watts", "20 watts", "5 watts", "12 watts"],
      "P = I squared x R = 2 x 2 x 10 = 40 W.",
      "Quelle puissance est dissipée dans une résistance de 10 ohms parcourue par 2 ampères?",
      ["40 watts", "20 watts", "5 watts", "12 watts"],
      "P = I au carré x R = 2 x 2 x 10 = 40 W."),
    q("What is the unit of electrical power?",
      ["The watt", "The volt", "The ohm", "The henry"],
      "Power is measured in watts; the volt measures potential, the ohm resistance and the henry inductance.",
      "Quelle est l'unité de puissance électrique?",
      ["Le watt", "Le volt", "L'ohm", "Le henry"],
      "La puissance se mesure en watts; le volt mesure le potentiel, l'ohm la résistance et le henry l'inductance."),
)
topic(
    q("What is the total resistance of two 100 ohm resistors in series?",
      ["200 ohms", "50 ohms", "100 ohms", "10 000 ohms"],
      "Resistances in series add: 100 + 100 = 200 ohms.",
      "Quelle est la résistance totale de deux résistances de 100 ohms en série?",
      ["200 ohms", "50 ohms", "100 ohms", "10 000 ohms"],
      "Les résistances en série s'additionnent: 100 + 100 = 200 ohms."),
    q("What is the total resistance of two 100 ohm resistors in parallel?",
      ["50 ohms", "200 ohms", "100 ohms", "25 ohms"],
      "Two equal resistors in parallel give half the value of one: 50 ohms.",
      "Quelle est la résistance totale de deux résistances de 100 ohms en parallèle?",
      ["50 ohms", "200 ohms", "100 ohms", "25 ohms"],
      "Deux résistances égales en parallèle donnent la moitié de la valeur d'une seule: 50 ohms."),
    q("Three 30 ohm resistors are connected in parallel. What is the total resistance?",
      ["10 ohms", "90 ohms", "30 ohms", "3 ohms"],
      "N equal resistors in parallel give the value of one divided by N: 30 / 3 = 10 ohms.",
      "Trois résistances de 30 ohms sont branchées en parallèle. Quelle est la résistance totale?",
      ["10 ohms", "90 ohms", "30 ohms", "3 ohms"],
      "N résistances égales en parallèle donnent la valeur d'une seule divisée par N: 30 / 3 = 10 ohms."),
)
topic(
    q("What is the unit of capacitance?",
      ["The farad", "The henry", "The ohm", "The siemens"],
      "Capacitance is measured in farads, usually in microfarads or picofarads in radio circuits.",
      "Quelle est l'unité de capacité?",
      ["Le farad", "Le henry", "L'ohm", "Le siemens"],
      "La capacité se mesure en farads, le plus souvent en microfarads ou en picofarads dans les circuits radio."),
    q("What happens to the reactance of an inductor when the frequency increases?",
      ["It increases", "It decreases", "It stays the same", "It becomes zero"],
      "Inductive reactance is 2 x pi x f x L: it grows with frequency.",
      "Qu'arrive-t-il à la réactance d'une bobine quand la fréquence augmente?",
      ["Elle augmente", "Elle diminue", "Elle reste la même", "Elle devient nulle"],
      "La réactance inductive vaut 2 x pi x f x L: elle croît avec la fréquence."),
    q("What happens to the reactance of a capacitor when the frequency increases?",
      ["It decreases", "It increases", "It stays the same", "It becomes infinite"],
      "Capacitive reactance is 1 / (2 x pi x f x C): it falls as frequency rises.",
      "Qu'arrive-t-il à la réactance d'un condensateur quand la fréquence augmente?",
      ["Elle diminue", "Elle augmente", "Elle reste la même", "Elle devient infinie"],
      "La réactance capacitive vaut 1 / (2 x pi x f x C): elle diminue quand la fréquence augmente."),
)
topic(
    q("How many kilohertz are there in 3.5 megahertz?",
      ["3500 kHz", "350 kHz", "35 000 kHz", "0.0035 kHz"],
      "1 MHz = 1000 kHz, so 3.5 MHz = 3500 kHz.",
      "Combien de kilohertz y a-t-il dans 3,5 mégahertz?",
      ["3500 kHz", "350 kHz", "35 000 kHz", "0,0035 kHz"],
      "1 MHz = 1000 kHz, donc 3,5 MHz = 3500 kHz."),
    q("What is one microfarad in farads?",
      ["0.000 001 farad", "0.001 farad", "1000 farads", "1 000 000 farads"],
      "Micro means one millionth.",
      "Combien de farads vaut un microfarad?",
      ["0,000 001 farad", "0,001 farad", "1000 farads", "1 000 000 farads"],
      "Micro signifie un millionième."),
)
topic(
    q("What is the approximate wavelength of a signal at 146 MHz?",
      ["2 metres", "20 metres", "0.5 metre", "146 metres"],
      "Wavelength in metres = 300 / frequency in MHz: 300 / 146 is about 2 m, hence the name of the band.",
      "Quelle est la longueur d'onde approximative d'un signal de 146 MHz?",
      ["2 mètres", "20 mètres", "0,5 mètre", "146 mètres"],
      "Longueur d'onde en mètres = 300 / fréquence en MHz: 300 / 146 donne environ 2 m, d'où le nom de la bande."),
    q("Which frequency has a wavelength of about 40 metres?",
      ["7 MHz", "40 MHz", "14 MHz", "3.5 MHz"],
      "300 / 40 = 7.5, so the 40 m band is near 7 MHz.",
      "Quelle fréquence a une longueur d'onde d'environ 40 mètres?",
      ["7 MHz", "40 MHz", "14 MHz", "3,5 MHz"],
      "300 / 40 = 7,5; la bande de 40 m se trouve donc vers 7 MHz."),
    q("At what speed do radio waves travel in free space?",
      ["300 000 kilometres per second", "300 kilometres per second", "The speed of sound", "3000 kilometres per hour"],
      "Radio waves travel at the speed of light, about 300 000 km/s, which gives the 300 / f rule.",
      "À quelle vitesse les ondes radio se propagent-elles dans l'espace libre?",
      ["300 000 kilomètres par seconde", "300 kilomètres par seconde", "La vitesse du son", "3000 kilomètres à l'heure"],
      "Les ondes radio voyagent à la vitesse de la lumière, environ 300 000 km/s, d'où la règle 300 / f."),
)
topic(
    q("What does a diode do?",
      ["It lets current flow in one direction only", "It stores electric charge", "It amplifies signals", "It opposes changes of current"],
      "A diode conducts in one direction; this is how rectifiers turn AC into DC.",
      "Que fait une diode?",
      ["Elle laisse passer le courant dans un seul sens", "Elle emmagasine une charge électrique", "Elle amplifie les signaux", "Elle s'oppose aux variations de courant"],
      "Une diode conduit dans un seul sens; c'est ainsi que les redresseurs changent le CA en CC."),
    q("What are the three terminals of a bipolar transistor?",
      ["Emitter, base and collector", "Source, gate and drain", "Anode, cathode and grid", "Input, output and ground"],
      "Bipolar transistors have emitter, base and collector; source, gate and drain belong to field-effect transistors.",
      "Quelles sont les trois électrodes d'un transistor bipolaire?",
      ["Émetteur, base et collecteur", "Source, grille et drain", "Anode, cathode et grille", "Entrée, sortie et masse"],
      "Le transistor bipolaire a un émetteur, une base et un collecteur; source, grille et drain appartiennent au transistor à effet de champ."),
)
topic(
    q("What does the rectifier of a power supply do?",
      ["It changes alternating current into pulsating direct current", "It raises the voltage", "It smooths the ripple", "It limits the current in a short circuit"],
      "Diodes of the rectifier let only one direction through; the filter capacitor that follows smooths the result.",
      "Que fait le redresseur d'une alimentation?",
      ["Il change le courant alternatif en courant continu pulsé", "Il élève la tension", "Il lisse l'ondulation", "Il limite le courant en cas de court-circuit"],
      "Les diodes du redresseur ne laissent passer qu'un sens; le condensateur de filtrage qui suit lisse le résultat."),
    q("What is the purpose of a fuse in a power lead?",
      ["To open the circuit when the current is too high", "To raise the voltage", "To filter radio interference", "To store energy"],
      "A fuse melts and opens the circuit on excess current, protecting the wiring from fire.",
      "À quoi sert un fusible dans un fil d'alimentation?",
      ["À ouvrir le circuit quand le courant est trop fort", "À élever la tension", "À filtrer le brouillage radio", "À emmagasiner de l'énergie"],
      "Un fusible fond et ouvre le circuit en cas de surintensité, ce qui protège le câblage contre l'incendie."),
    q("What does a transformer with more turns on its secondary than on its primary do?",
      ["It steps the voltage up", "It steps the voltage down", "It changes AC into DC", "It changes the frequency"],
      "The voltage ratio follows the turns ratio: more secondary turns give a higher voltage.",
      "Que fait un transformateur qui a plus de spires au secondaire qu'au primaire?",
      ["Il élève la tension", "Il abaisse la tension", "Il change le CA en CC", "Il change la fréquence"],
      "Le rapport des tensions suit le rapport des spires: plus de spires au secondaire donnent une tension plus élevée."),
)
topic(
    q("By how many decibels does the power rise when it is doubled?",
      ["3 dB", "6 dB", "10 dB", "2 dB"],
      "Doubling power is a gain of 3 dB; ten times the power is 10 dB.",
      "De combien de décibels la puissance augmente-t-elle quand on la double?",
      ["3 dB", "6 dB", "10 dB", "2 dB"],
      "Doubler la puissance donne un gain de 3 dB; dix fois la puissance, 10 dB."),
    q("An amplifier raises 10 watts to 100 watts. What is its gain?",
      ["10 dB", "3 dB", "20 dB", "100 dB"],
      "A power ratio of 10 is 10 dB.",
      "Un amplificateur porte 10 watts à 100 watts. Quel est son gain?",
      ["10 dB", "3 dB", "20 dB", "100 dB"],
      "Un rapport de puissance de 10 vaut 10 dB."),
)
topic(
    q("In a superheterodyne receiver, what does the mixer produce?",
      ["The intermediate frequency, from the signal and the local oscillator", "The audio output for the speaker", "The automatic gain control voltage", "The antenna impedance"],
      "The mixer combines the incoming signal with the local oscillator; the difference (or sum) is the intermediate frequency that the IF stages amplify and filter.",
      "Dans un récepteur superhétérodyne, que produit le mélangeur?",
      ["La fréquence intermédiaire, à partir du signal et de l'oscillateur local", "La sortie audio pour le haut-parleur", "La tension de commande automatique de gain", "L'impédance d'antenne"],
      "Le mélangeur combine le signal reçu à l'oscillateur local; la différence (ou la somme) est la fréquence intermédiaire que les étages FI amplifient et filtrent."),
    q("What does the squelch control of an FM receiver do?",
      ["It mutes the audio when no signal is received", "It sets the transmit power", "It changes the channel spacing", "It selects the sideband"],
      "Squelch silences the receiver's noise between transmissions.",
      "Que fait la commande de silencieux (squelch) d'un récepteur FM?",
      ["Elle coupe l'audio quand aucun signal n'est reçu", "Elle règle la puissance d'émission", "Elle change l'espacement des canaux", "Elle choisit la bande latérale"],
      "Le silencieux supprime le bruit du récepteur entre les transmissions."),
)
topic(
    q("What is varied in a frequency-modulated (FM) signal?",
      ["The frequency of the carrier", "The amplitude of the carrier", "The number of sidebands transmitted", "The polarization of the wave"],
      "FM varies the carrier frequency with the audio; AM varies its amplitude.",
      "Que fait-on varier dans un signal modulé en fréquence (FM)?",
      ["La fréquence de la porteuse", "L'amplitude de la porteuse", "Le nombre de bandes latérales émises", "La polarisation de l'onde"],
      "La FM fait varier la fréquence de la porteuse au rythme de l'audio; l'AM en fait varier l'amplitude."),
    q("About how wide is a single sideband voice signal?",
      ["3 kHz", "16 kHz", "500 Hz", "30 kHz"],
      "SSB sends one sideband without the carrier, about 3 kHz wide, half the width of AM.",
      "Quelle est la largeur approximative d'un signal vocal en bande latérale unique?",
      ["3 kHz", "16 kHz", "500 Hz", "30 kHz"],
      "La BLU émet une seule bande latérale sans porteuse, d'environ 3 kHz, la moitié de la largeur de l'AM."),
    q("Which sideband is normally used for voice on the 20 metre band?",
      ["Upper sideband", "Lower sideband", "Double sideband", "Vestigial sideband"],
      "By convention, upper sideband is used above 10 MHz and lower sideband below.",
      "Quelle bande latérale utilise-t-on normalement en téléphonie sur la bande de 20 mètres?",
      ["La bande latérale supérieure", "La bande latérale inférieure", "Les deux bandes latérales", "La bande latérale résiduelle"],
      "Par convention, on utilise la bande latérale supérieure au-dessus de 10 MHz et l'inférieure en dessous."),
)

# ---------------------------------------------------------------- antennas
lesson("ANT", "Antennas and feed lines", "Antennes et lignes de transmission")
topic(
    q("About how long is a half-wave dipole for 7.1 MHz?",
      ["20 metres", "10 metres", "40 metres", "42 metres"],
      "A half-wave dipole is about 143 / f metres long: 143 / 7.1 is about 20 m.",
      "Quelle est la longueur approximative d'un dipôle demi-onde pour 7,1 MHz?",
      ["20 mètres", "10 mètres", "40 mètres", "42 mètres"],
      "Un dipôle demi-onde mesure environ 143 / f mètres: 143 / 7,1 donne environ 20 m."),
    q("Where is a half-wave dipole usually fed?",
      ["At its centre", "At one end", "A quarter of the way from one end", "At both ends at once"],
      "The centre of a half-wave dipole has a low impedance, around 50 to 75 ohms, a good match for coaxial cable.",
      "Où alimente-t-on habituellement un dipôle demi-onde?",
      ["En son centre", "À une extrémité", "Au quart de sa longueur", "Aux deux extrémités à la fois"],
      "Le centre d'un dipôle demi-onde présente une faible impédance, de 50 à 75 ohms environ, qui convient au câble coaxial."),
    q("What happens to the resonant frequency of a dipole when its wires are made shorter?",
      ["It rises", "It falls", "It stays the same", "The antenna stops radiating"],
      "A shorter antenna resonates at a higher frequency.",
      "Qu'arrive-t-il à la fréquence de résonance d'un dipôle dont on raccourcit les fils?",
      ["Elle monte", "Elle baisse", "Elle reste la même", "L'antenne cesse de rayonner"],
      "Une antenne plus courte résonne à une fréquence plus élevée."),
)
topic(
    q("What is the usual characteristic impedance of coaxial cable for amateur transceivers?",
      ["50 ohms", "300 ohms", "600 ohms", "8 ohms"],
      "Most amateur equipment is built for 50 ohm coaxial cable; 300 ohm is twin lead and 8 ohms a loudspeaker.",
      "Quelle est l'impédance caractéristique habituelle du câble coaxial des émetteurs-récepteurs amateurs?",
      ["50 ohms", "300 ohms", "600 ohms", "8 ohms"],
      "La plupart des appareils amateurs sont conçus pour le câble coaxial de 50 ohms; 300 ohms est une ligne bifilaire et 8 ohms un haut-parleur."),
    q("What does a balun do?",
      ["It connects a balanced antenna to an unbalanced feed line", "It measures standing waves", "It filters harmonics", "It amplifies the received signal"],
      "BALanced to UNbalanced: it lets coaxial cable feed a dipole without current on the outside of the shield.",
      "Que fait un symétriseur (balun)?",
      ["Il raccorde une antenne symétrique à une ligne asymétrique", "Il mesure les ondes stationnaires", "Il filtre les harmoniques", "Il amplifie le signal reçu"],
      "De symétrique à asymétrique: il permet au câble coaxial d'alimenter un dipôle sans courant sur l'extérieur du blindage."),
    q("What happens to feed line losses as the frequency increases?",
      ["They increase", "They decrease", "They stay the same", "They disappear above 30 MHz"],
      "Coaxial cable loses more at higher frequencies, which is why good, short cable matters on VHF and UHF.",
      "Qu'arrive-t-il aux pertes d'une ligne de transmission quand la fréquence augmente?",
      ["Elles augmentent", "Elles diminuent", "Elles restent les mêmes", "Elles disparaissent au-dessus de 30 MHz"],
      "Le câble coaxial perd davantage aux fréquences élevées; d'où l'importance d'un câble court et de qualité en VHF et UHF."),
)
topic(
    q("About how long is a quarter-wave vertical antenna for the 2 metre band?",
      ["50 centimetres", "2 metres", "1 metre", "25 centimetres"],
      "A quarter of a 2 m wavelength is 50 cm; the practical length is slightly shorter, about 49 cm.",
      "Quelle est la longueur approximative d'une antenne verticale quart d'onde pour la bande de 2 mètres?",
      ["50 centimètres", "2 mètres", "1 mètre", "25 centimètres"],
      "Le quart d'une longueur d'onde de 2 m est 50 cm; la longueur pratique est un peu plus courte, environ 49 cm."),
    q("What do the radials of a ground-plane antenna do?",
      ["They form the ground half of the antenna", "They keep lightning away", "They feed the antenna", "They make the antenna directional"],
      "A quarter-wave vertical works against a ground: the radials provide it when the antenna is mounted high.",
      "À quoi servent les radians d'une antenne à plan de sol?",
      ["Ils forment la moitié « sol » de l'antenne", "Ils éloignent la foudre", "Ils alimentent l'antenne", "Ils rendent l'antenne directionnelle"],
      "Une verticale quart d'onde fonctionne avec un plan de sol: les radians le fournissent quand l'antenne est montée en hauteur."),
)
topic(
    q("In a three-element Yagi antenna, which element is the longest?",
      ["The reflector", "The director", "The driven element", "All three are the same length"],
      "The reflector is slightly longer than the driven element and the director slightly shorter; the antenna radiates towards the director.",
      "Dans une antenne Yagi à trois éléments, quel élément est le plus long?",
      ["Le réflecteur", "Le directeur", "L'élément alimenté", "Les trois ont la même longueur"],
      "Le réflecteur est un peu plus long que l'élément alimenté et le directeur un peu plus court; l'antenne rayonne vers le directeur."),
    q("Why would an amateur use a Yagi antenna rather than a dipole?",
      ["For gain in one direction", "To receive all directions equally", "To cover every band without tuning", "To reduce the cost of the station"],
      "A Yagi concentrates power in one direction and rejects signals from other directions.",
      "Pourquoi un radioamateur utiliserait-il une antenne Yagi plutôt qu'un dipôle?",
      ["Pour un gain dans une direction", "Pour recevoir également de toutes les directions", "Pour couvrir toutes les bandes sans accord", "Pour réduire le coût de la station"],
      "Une Yagi concentre la puissance dans une direction et rejette les signaux venant d'ailleurs."),
)
topic(
    q("Which polarization is normally used for FM and repeater work on VHF?",
      ["Vertical", "Horizontal", "Circular", "Elliptical"],
      "Mobile and hand-held FM stations use vertical antennas; weak-signal SSB and CW work on VHF uses horizontal polarization.",
      "Quelle polarisation utilise-t-on normalement en FM et sur les répéteurs VHF?",
      ["Verticale", "Horizontale", "Circulaire", "Elliptique"],
      "Les stations FM mobiles et portatives utilisent des antennes verticales; le trafic BLU et CW à signaux faibles en VHF utilise la polarisation horizontale."),
    q("What happens when the transmitting and receiving antennas on VHF have different polarizations?",
      ["The received signal is much weaker", "The signal is stronger", "Nothing changes", "The frequency shifts"],
      "Cross-polarized antennas can lose 20 dB or more of signal on line-of-sight paths.",
      "Qu'arrive-t-il en VHF quand les antennes d'émission et de réception n'ont pas la même polarisation?",
      ["Le signal reçu est beaucoup plus faible", "Le signal est plus fort", "Rien ne change", "La fréquence se décale"],
      "Des antennes en polarisation croisée peuvent perdre 20 dB ou plus sur un trajet en visibilité directe."),
)
topic(
    q("What does a standing wave ratio (SWR) of 1 to 1 mean?",
      ["The load is perfectly matched to the feed line", "All power is reflected", "The antenna is open-circuited", "The feed line is shorted"],
      "At 1:1 no power is reflected; the higher the SWR, the more power comes back towards the transmitter.",
      "Que signifie un rapport d'ondes stationnaires (ROS) de 1 à 1?",
      ["La charge est parfaitement adaptée à la ligne", "Toute la puissance est réfléchie", "L'antenne est en circuit ouvert", "La ligne est en court-circuit"],
      "À 1:1, aucune puissance n'est réfléchie; plus le ROS est élevé, plus la puissance revient vers l'émetteur."),
    q("Where is an SWR meter usually connected?",
      ["Between the transmitter and the feed line", "Between the microphone and the transmitter", "Between the power supply and the transmitter", "At the loudspeaker output"],
      "The meter is put in the feed line, near the transmitter or the antenna tuner, to read forward and reflected power.",
      "Où branche-t-on habituellement un ROS-mètre?",
      ["Entre l'émetteur et la ligne de transmission", "Entre le microphone et l'émetteur", "Entre l'alimentation et l'émetteur", "À la sortie du haut-parleur"],
      "On insère l'appareil dans la ligne, près de l'émetteur ou du coupleur, pour lire les puissances directe et réfléchie."),
    q("What does an antenna tuner do?",
      ["It matches the impedance seen by the transmitter to 50 ohms", "It changes the resonant length of the antenna wire", "It increases the radiated power above the transmitter output", "It removes the need for a feed line"],
      "The tuner makes the transmitter see 50 ohms; the mismatch between the line and the antenna stays as it was.",
      "Que fait un coupleur d'antenne?",
      ["Il adapte à 50 ohms l'impédance vue par l'émetteur", "Il change la longueur de résonance du fil d'antenne", "Il augmente la puissance rayonnée au-delà de la sortie de l'émetteur", "Il supprime le besoin d'une ligne de transmission"],
      "Le coupleur fait voir 50 ohms à l'émetteur; la désadaptation entre la ligne et l'antenne reste la même."),
)
topic(
    q("Which antenna radiates equally well in all horizontal directions?",
      ["A vertical antenna", "A Yagi antenna", "A horizontal dipole, off its ends", "A parabolic dish"],
      "A vertical is omnidirectional in the horizontal plane; a dipole radiates mostly broadside and a Yagi in one direction.",
      "Quelle antenne rayonne également bien dans toutes les directions horizontales?",
      ["Une antenne verticale", "Une antenne Yagi", "Un dipôle horizontal, par ses extrémités", "Une parabole"],
      "Une verticale est omnidirectionnelle dans le plan horizontal; un dipôle rayonne surtout de côté et une Yagi dans une seule direction."),
    q("In which directions does a horizontal half-wave dipole radiate most strongly?",
      ["Broadside, at right angles to the wire", "Off both ends of the wire", "Straight up only", "Equally in all directions"],
      "A dipole's pattern is a figure eight, strongest at right angles to the wire and weakest off its ends.",
      "Dans quelles directions un dipôle demi-onde horizontal rayonne-t-il le plus?",
      ["De côté, perpendiculairement au fil", "Par les deux extrémités du fil", "Seulement vers le haut", "Également dans toutes les directions"],
      "Le diagramme d'un dipôle est en forme de huit: maximum perpendiculairement au fil, minimum par ses extrémités."),
)

# ---------------------------------------------------------------- propagation
lesson("PROP", "Radio wave propagation", "Propagation des ondes radio")
topic(
    q("Which ionospheric layer makes most long-distance HF contacts possible?",
      ["The F2 layer", "The D layer", "The E layer", "The troposphere"],
      "The F2 layer, the highest, refracts HF signals back to earth over the longest distances.",
      "Quelle couche de l'ionosphère permet la plupart des contacts HF à grande distance?",
      ["La couche F2", "La couche D", "La couche E", "La troposphère"],
      "La couche F2, la plus haute, renvoie les signaux HF vers la terre sur les plus grandes distances."),
    q("Why are the 80 and 160 metre bands poor for distant contacts during the day?",
      ["The D layer absorbs low frequencies in daylight", "The F2 layer disappears in daylight", "Sunspots block them", "Ground waves cancel them"],
      "The D layer forms with sunlight and absorbs low-frequency signals; it vanishes after sunset, when these bands open up.",
      "Pourquoi les bandes de 80 et 160 mètres se prêtent-elles mal aux contacts lointains le jour?",
      ["La couche D absorbe les basses fréquences à la lumière du jour", "La couche F2 disparaît le jour", "Les taches solaires les bloquent", "Les ondes de sol les annulent"],
      "La couche D se forme avec le soleil et absorbe les basses fréquences; elle disparaît après le coucher du soleil et ces bandes s'ouvrent alors."),
)
topic(
    q("What is the maximum usable frequency (MUF)?",
      ["The highest frequency that the ionosphere returns to earth on a given path", "The highest frequency a transmitter can produce", "The upper edge of an amateur band", "The frequency of the sunspot cycle"],
      "Above the MUF signals pass through the ionosphere into space; the best frequency is usually a little below it.",
      "Qu'est-ce que la fréquence maximale utilisable (MUF)?",
      ["La plus haute fréquence que l'ionosphère renvoie vers la terre sur un trajet donné", "La plus haute fréquence qu'un émetteur peut produire", "La limite supérieure d'une bande amateur", "La fréquence du cycle des taches solaires"],
      "Au-dessus de la MUF, les signaux traversent l'ionosphère vers l'espace; la meilleure fréquence se trouve en général un peu en dessous."),
    q("What is the skip zone?",
      ["The area between the end of the ground wave and the first return of the sky wave", "The area behind a directional antenna", "The area near a repeater", "The path of a satellite"],
      "Stations in the skip zone are too far for the ground wave and too close for the sky wave, so they hear nothing.",
      "Qu'est-ce que la zone de silence?",
      ["La région entre la fin de l'onde de sol et le premier retour de l'onde ionosphérique", "La région derrière une antenne directionnelle", "La région près d'un répéteur", "La trajectoire d'un satellite"],
      "Les stations dans la zone de silence sont trop loin pour l'onde de sol et trop près pour l'onde ionosphérique: elles n'entendent rien."),
)
topic(
    q("About how long is the sunspot cycle?",
      ["11 years", "1 year", "28 days", "50 years"],
      "Solar activity rises and falls over about 11 years; the 28-day period is the sun's rotation.",
      "Quelle est la durée approximative du cycle des taches solaires?",
      ["11 ans", "1 an", "28 jours", "50 ans"],
      "L'activité solaire monte et descend sur environ 11 ans; la période de 28 jours est la rotation du soleil."),
    q("What effect does high sunspot activity have on the upper HF bands?",
      ["They open more often for long-distance contacts", "They close completely", "It has no effect", "Only ground waves remain"],
      "More sunspots ionize the F layers more strongly, raising the MUF so that 15 and 10 m carry long-distance signals.",
      "Quel effet une forte activité solaire a-t-elle sur les bandes HF supérieures?",
      ["Elles s'ouvrent plus souvent aux contacts lointains", "Elles se ferment complètement", "Aucun effet", "Il ne reste que les ondes de sol"],
      "Plus de taches solaires ionisent davantage les couches F et élèvent la MUF: les bandes de 15 et 10 m portent alors loin."),
)
topic(
    q("How do VHF and UHF signals normally travel?",
      ["Along the line of sight, a little beyond the horizon", "By reflection from the F2 layer every day", "By ground wave over thousands of kilometres", "Through the earth"],
      "VHF and UHF normally pass through the ionosphere; range depends on antenna height and the radio horizon.",
      "Comment les signaux VHF et UHF se propagent-ils normalement?",
      ["En visibilité directe, un peu au-delà de l'horizon", "Par réflexion quotidienne sur la couche F2", "Par onde de sol sur des milliers de kilomètres", "À travers la terre"],
      "Les VHF et UHF traversent normalement l'ionosphère; la portée dépend de la hauteur des antennes et de l'horizon radio."),
    q("What can suddenly give the 6 metre band contacts of 1000 to 2000 kilometres in summer?",
      ["Sporadic E", "Ground wave", "The D layer", "Meteor showers only in winter"],
      "Patches of dense ionization in the E layer, mostly in late spring and summer, reflect 6 m signals over one hop.",
      "Qu'est-ce qui peut soudain permettre sur 6 mètres des contacts de 1000 à 2000 kilomètres en été?",
      ["La propagation sporadique E", "L'onde de sol", "La couche D", "Les pluies de météores seulement en hiver"],
      "Des plaques d'ionisation dense dans la couche E, surtout à la fin du printemps et en été, réfléchissent les signaux de 6 m en un bond."),
    q("What is tropospheric ducting?",
      ["VHF and UHF signals guided far beyond the horizon by temperature inversions", "HF signals absorbed at noon", "A repeater linking method", "Signals reflected by the moon"],
      "A layer of warm air over cool air can trap VHF and UHF signals and carry them hundreds of kilometres.",
      "Qu'est-ce que la propagation par conduit troposphérique?",
      ["Des signaux VHF et UHF guidés bien au-delà de l'horizon par des inversions de température", "Des signaux HF absorbés à midi", "Une méthode de liaison de répéteurs", "Des signaux réfléchis par la lune"],
      "Une couche d'air chaud au-dessus d'air frais peut piéger les signaux VHF et UHF et les porter sur des centaines de kilomètres."),
)
topic(
    q("Which band is usually best for daytime long-distance contacts in a year of average solar activity?",
      ["20 metres", "160 metres", "80 metres", "2 metres"],
      "20 m is the classic daytime DX band; the low bands are absorbed by day and 2 m is line of sight.",
      "Quelle bande convient habituellement le mieux aux contacts lointains le jour, lors d'une année d'activité solaire moyenne?",
      ["20 mètres", "160 mètres", "80 mètres", "2 mètres"],
      "La bande de 20 m est la bande classique de DX de jour; les basses bandes sont absorbées le jour et le 2 m est en visibilité directe."),
    q("Which band is usually best for contacts within a few hundred kilometres at night?",
      ["80 metres", "10 metres", "15 metres", "6 metres"],
      "At night the D layer is gone and 80 m covers regional distances well; 10 and 15 m usually close after dark.",
      "Quelle bande convient habituellement le mieux aux contacts de quelques centaines de kilomètres la nuit?",
      ["80 mètres", "10 mètres", "15 mètres", "6 mètres"],
      "La nuit, la couche D a disparu et le 80 m couvre bien les distances régionales; les bandes de 10 et 15 m se ferment habituellement à la tombée de la nuit."),
)
topic(
    q("Which kind of wave follows the surface of the earth and is strongest on the low frequencies?",
      ["The ground wave", "The sky wave", "The space wave", "The reflected wave"],
      "Ground waves follow the earth's curve; their range shrinks as frequency rises.",
      "Quel type d'onde suit la surface de la terre et est le plus fort aux basses fréquences?",
      ["L'onde de sol", "L'onde ionosphérique", "L'onde d'espace", "L'onde réfléchie"],
      "L'onde de sol suit la courbure de la terre; sa portée diminue quand la fréquence augmente."),
    q("What is fading?",
      ["Variation of signal strength caused by changing propagation paths", "Loss of power in the transmitter", "A fault in the feed line", "A kind of modulation"],
      "Signals arriving by several paths add and cancel as the ionosphere moves, so their strength rises and falls.",
      "Qu'est-ce que l'évanouissement (fading)?",
      ["Une variation de la force du signal due aux trajets de propagation changeants", "Une perte de puissance dans l'émetteur", "Un défaut de la ligne de transmission", "Un genre de modulation"],
      "Des signaux arrivant par plusieurs trajets s'additionnent et s'annulent au gré des mouvements de l'ionosphère, et leur force varie."),
)

# ---------------------------------------------------------------- safety
lesson("SAFE", "Safety and interference", "Sécurité et brouillage")
topic(
    q("What should you do before working inside a power supply?",
      ["Unplug it and discharge the filter capacitors", "Switch it off with the front panel switch only", "Wear rubber gloves and leave it running", "Remove the fuse only"],
      "Filter capacitors can hold a dangerous charge long after the supply is unplugged.",
      "Que faut-il faire avant de travailler à l'intérieur d'une alimentation?",
      ["La débrancher et décharger les condensateurs de filtrage", "L'éteindre seulement avec l'interrupteur du panneau", "Porter des gants de caoutchouc et la laisser en marche", "Retirer seulement le fusible"],
      "Les condensateurs de filtrage peuvent garder une charge dangereuse longtemps après que l'alimentation a été débranchée."),
    q("Which is the most dangerous to the human body?",
      ["Current flowing through the chest", "High resistance", "A low-voltage battery", "Static on a dry day"],
      "It is current through the body, especially across the heart, that harms; a small current can be fatal.",
      "Qu'est-ce qui est le plus dangereux pour le corps humain?",
      ["Un courant qui traverse la poitrine", "Une résistance élevée", "Une pile de faible tension", "L'électricité statique par temps sec"],
      "C'est le courant dans le corps, surtout à travers le coeur, qui blesse; un faible courant peut être mortel."),
    q("Why should the metal cases of station equipment be connected to a good ground?",
      ["To reduce shock hazard and stray RF", "To increase output power", "To improve the audio", "To save electricity"],
      "Bonding and grounding keep cases at a safe potential and reduce RF on the equipment.",
      "Pourquoi faut-il relier les boîtiers métalliques de la station à une bonne mise à la terre?",
      ["Pour réduire les risques de choc et la HF parasite", "Pour augmenter la puissance de sortie", "Pour améliorer l'audio", "Pour économiser l'électricité"],
      "L'interconnexion et la mise à la terre gardent les boîtiers à un potentiel sûr et réduisent la HF sur les appareils."),
)
topic(
    q("How can you reduce the RF exposure of people near your antenna?",
      ["Place the antenna high and away from where people are", "Use a longer feed line", "Transmit only at night", "Paint the antenna"],
      "RF field strength falls quickly with distance; height and distance are the simplest protection.",
      "Comment réduire l'exposition aux radiofréquences des personnes près de votre antenne?",
      ["Placer l'antenne en hauteur et loin des endroits où se trouvent des gens", "Utiliser une ligne de transmission plus longue", "N'émettre que la nuit", "Peindre l'antenne"],
      "L'intensité du champ RF diminue rapidement avec la distance; la hauteur et l'éloignement sont la protection la plus simple."),
    q("Why should you never look into a waveguide or stand in front of a UHF dish while transmitting?",
      ["Concentrated RF energy can heat body tissue, especially the eyes", "The light is too bright", "The noise can damage hearing", "It disturbs the antenna pattern"],
      "Microwave energy heats tissue; the eyes are especially sensitive because they cool poorly.",
      "Pourquoi ne faut-il jamais regarder dans un guide d'ondes ou se placer devant une parabole UHF en émission?",
      ["L'énergie HF concentrée peut chauffer les tissus, surtout les yeux", "La lumière est trop vive", "Le bruit peut nuire à l'ouïe", "Cela dérange le diagramme de l'antenne"],
      "L'énergie micro-onde chauffe les tissus; les yeux y sont particulièrement sensibles parce qu'ils se refroidissent mal."),
)
topic(
    q("What is the most important rule when putting up an antenna near power lines?",
      ["Keep it far enough away that it can never touch them, even when falling", "Use insulated wire", "Work only on dry days", "Ground the antenna first"],
      "Contact with power lines kills; place the antenna so that no part can reach them if it falls.",
      "Quelle est la règle la plus importante quand on installe une antenne près de lignes électriques?",
      ["La placer assez loin pour qu'elle ne puisse jamais les toucher, même en tombant", "Utiliser du fil isolé", "Travailler seulement par temps sec", "Mettre d'abord l'antenne à la terre"],
      "Le contact avec les lignes électriques tue; placez l'antenne de sorte qu'aucune partie ne puisse les atteindre en tombant."),
    q("What should someone climbing a tower always wear?",
      ["A safety harness attached to the tower", "Running shoes", "A wrist watch", "Loose clothing"],
      "A full-body harness with a lanyard keeps the climber attached; a helper on the ground should wear a hard hat.",
      "Que doit toujours porter une personne qui grimpe dans une tour?",
      ["Un harnais de sécurité fixé à la tour", "Des chaussures de course", "Une montre", "Des vêtements amples"],
      "Un harnais complet avec longe garde le grimpeur attaché; l'aide au sol devrait porter un casque."),
)
topic(
    q("What is a harmonic?",
      ["A signal at a whole multiple of the fundamental frequency", "A signal at half the operating frequency", "The audio of a transmitter", "An echo from the ionosphere"],
      "A transmitter on 7.1 MHz may produce harmonics at 14.2, 21.3 MHz and so on; they can interfere with other services.",
      "Qu'est-ce qu'une harmonique?",
      ["Un signal à un multiple entier de la fréquence fondamentale", "Un signal à la moitié de la fréquence d'utilisation", "L'audio d'un émetteur", "Un écho de l'ionosphère"],
      "Un émetteur sur 7,1 MHz peut produire des harmoniques à 14,2, 21,3 MHz et ainsi de suite; elles peuvent brouiller d'autres services."),
    q("Which filter at the transmitter output reduces harmonics?",
      ["A low-pass filter", "A high-pass filter", "A band-stop filter at the television", "A power line filter"],
      "A low-pass filter passes the operating frequency and attenuates the higher harmonics.",
      "Quel filtre à la sortie de l'émetteur réduit les harmoniques?",
      ["Un filtre passe-bas", "Un filtre passe-haut", "Un filtre coupe-bande au téléviseur", "Un filtre de ligne d'alimentation"],
      "Un filtre passe-bas laisse passer la fréquence d'utilisation et atténue les harmoniques plus élevées."),
    q("A neighbour's stereo picks up your voice even when you transmit a clean signal. What is a likely cure?",
      ["Ferrite chokes on the stereo's speaker and power leads", "More power", "A low-pass filter on the stereo", "A longer feed line"],
      "The stereo is overloaded by your strong signal through its leads (lack of immunity); ferrite chokes keep the RF out.",
      "La chaîne stéréo d'un voisin capte votre voix même si votre signal est propre. Quel remède est probable?",
      ["Des ferrites sur les fils des haut-parleurs et d'alimentation de la chaîne", "Plus de puissance", "Un filtre passe-bas sur la chaîne", "Une ligne de transmission plus longue"],
      "La chaîne est surchargée par votre signal fort qui entre par ses fils (manque d'immunité); des ferrites empêchent la HF d'y pénétrer."),
)
topic(
    q("What is the best protection of station equipment when a thunderstorm comes near?",
      ["Disconnect the antennas and the power cords", "Reduce the output power", "Switch to a different band", "Use a shorter microphone cable"],
      "Disconnected leads give lightning no path into the equipment; ground the antenna leads outside the house.",
      "Quelle est la meilleure protection de la station à l'approche d'un orage?",
      ["Débrancher les antennes et les cordons d'alimentation", "Réduire la puissance de sortie", "Changer de bande", "Utiliser un câble de microphone plus court"],
      "Des fils débranchés n'offrent à la foudre aucun chemin vers les appareils; mettez les lignes d'antenne à la terre à l'extérieur de la maison."),
    q("Why must a lead-acid battery be charged in a ventilated place?",
      ["It can release explosive hydrogen gas", "It becomes too cold", "It loses its charge faster", "It makes radio noise"],
      "Charging gives off hydrogen, which can explode with a spark in a closed space.",
      "Pourquoi faut-il charger une batterie au plomb dans un endroit aéré?",
      ["Elle peut dégager de l'hydrogène explosif", "Elle devient trop froide", "Elle perd sa charge plus vite", "Elle produit du bruit radio"],
      "La charge dégage de l'hydrogène, qui peut exploser au contact d'une étincelle dans un endroit clos."),
)


# ------------------------------------------------------ further questions
EXTRA = {
    ("REG", 3): [
        q("Which qualification allows an amateur to design and build transmitting equipment?",
          ["Advanced", "Basic", "Basic with Honours", "Morse code"],
          "Home-built transmitters, beyond commercial kits, require the Advanced qualification.",
          "Quelle compétence permet à un radioamateur de concevoir et construire de l'équipement d'émission?",
          ["Supérieure", "De base", "De base avec distinction", "Code morse"],
          "Les émetteurs construits par soi-même, au-delà des trousses commerciales, exigent la compétence supérieure."),
    ],
    ("REG", 5): [
        q("Which organization sets the international radio regulations that Canada follows?",
          ["The International Telecommunication Union (ITU)", "The United Nations Security Council", "The International Amateur Radio Union", "NATO"],
          "The ITU, an agency of the United Nations, allocates frequency bands to services worldwide; the IARU represents amateurs there.",
          "Quel organisme établit la réglementation internationale des radiocommunications que suit le Canada?",
          ["L'Union internationale des télécommunications (UIT)", "Le Conseil de sécurité des Nations Unies", "L'Union internationale des radioamateurs", "L'OTAN"],
          "L'UIT, une agence des Nations Unies, attribue les bandes de fréquences aux services du monde entier; l'IARU y représente les radioamateurs."),
    ],
    ("OPS", 4): [
        q("What does the procedural signal CQ mean?",
          ["Calling any station", "Calling a specific station", "End of contact", "Emergency traffic"],
          "CQ is a general call to any station that hears it.",
          "Que signifie le signal de procédure CQ?",
          ["Appel à toutes les stations", "Appel à une station précise", "Fin de contact", "Trafic d'urgence"],
          "CQ est un appel général à toute station qui l'entend."),
    ],
    ("OPS", 7): [
        q("Which information is useful to record in a station log?",
          ["Date, time in UTC, frequency, mode and call sign of the station contacted", "The weather only", "The price of the equipment", "The names of the listeners"],
          "A log helps trace interference complaints and confirm contacts with QSL cards.",
          "Quels renseignements est-il utile de noter dans le registre de la station?",
          ["La date, l'heure UTC, la fréquence, le mode et l'indicatif de la station contactée", "La météo seulement", "Le prix de l'équipement", "Le nom des auditeurs"],
          "Un registre aide à retracer les plaintes de brouillage et à confirmer les contacts par carte QSL."),
    ],
    ("ELEC", 5): [
        q("How many milliamperes are there in 1.5 amperes?",
          ["1500 mA", "150 mA", "15 mA", "0.0015 mA"],
          "Milli means one thousandth: 1.5 A = 1500 mA.",
          "Combien de milliampères y a-t-il dans 1,5 ampère?",
          ["1500 mA", "150 mA", "15 mA", "0,0015 mA"],
          "Milli signifie un millième: 1,5 A = 1500 mA."),
    ],
    ("ELEC", 9): [
        q("By how many decibels does the power drop when it is cut in half?",
          ["3 dB", "6 dB", "10 dB", "50 dB"],
          "Half the power is a loss of 3 dB, whatever the starting level.",
          "De combien de décibels la puissance baisse-t-elle quand on la réduit de moitié?",
          ["3 dB", "6 dB", "10 dB", "50 dB"],
          "La moitié de la puissance représente une perte de 3 dB, peu importe le niveau de départ."),
    ],
    ("ANT", 3): [
        q("Why is a 5/8-wave vertical popular for mobile VHF use?",
          ["It sends more of its energy towards the horizon than a quarter-wave", "It needs no matching", "It is the shortest antenna possible", "It is directional"],
          "The 5/8-wave vertical has a lower radiation angle and some gain over a quarter-wave; it needs a matching coil at its base.",
          "Pourquoi l'antenne verticale 5/8 d'onde est-elle populaire pour le mobile en VHF?",
          ["Elle envoie plus d'énergie vers l'horizon qu'une quart d'onde", "Elle n'a besoin d'aucune adaptation", "C'est l'antenne la plus courte possible", "Elle est directionnelle"],
          "La verticale 5/8 d'onde a un angle de rayonnement plus bas et un certain gain sur la quart d'onde; elle exige une bobine d'adaptation à sa base."),
    ],
    ("ANT", 4): [
        q("What is the front-to-back ratio of a directional antenna?",
          ["The power radiated forward compared with the power radiated backward", "The length of the boom compared with the elements", "The ratio of reflector to director length", "The SWR at the front of the antenna"],
          "A high front-to-back ratio means the antenna rejects signals from behind.",
          "Qu'est-ce que le rapport avant-arrière d'une antenne directionnelle?",
          ["La puissance rayonnée vers l'avant comparée à celle rayonnée vers l'arrière", "La longueur du mât comparée aux éléments", "Le rapport de longueur entre réflecteur et directeur", "Le ROS à l'avant de l'antenne"],
          "Un rapport avant-arrière élevé signifie que l'antenne rejette les signaux venant de l'arrière."),
    ],
    ("PROP", 1): [
        q("At about what height is the F2 layer?",
          ["250 to 400 kilometres", "10 kilometres", "60 to 90 kilometres", "36 000 kilometres"],
          "The D layer lies near 60-90 km, the E layer near 100 km and the F2 layer around 250-400 km.",
          "À quelle altitude approximative se trouve la couche F2?",
          ["250 à 400 kilomètres", "10 kilomètres", "60 à 90 kilomètres", "36 000 kilomètres"],
          "La couche D se trouve vers 60-90 km, la couche E vers 100 km et la couche F2 vers 250-400 km."),
    ],
    ("PROP", 2): [
        q("What happens to a signal above the maximum usable frequency?",
          ["It passes through the ionosphere and is lost in space", "It is absorbed by the ground", "It returns twice as strong", "It becomes a ground wave"],
          "The ionosphere cannot bend signals above the MUF back to earth on that path.",
          "Qu'arrive-t-il à un signal au-dessus de la fréquence maximale utilisable?",
          ["Il traverse l'ionosphère et se perd dans l'espace", "Il est absorbé par le sol", "Il revient deux fois plus fort", "Il devient une onde de sol"],
          "L'ionosphère ne peut courber vers la terre, sur ce trajet, les signaux au-dessus de la MUF."),
    ],
    ("PROP", 6): [
        q("Why do 160 and 80 metre signals carry farther over salt water than over dry land?",
          ["Salt water conducts well, so the ground wave loses less", "Salt water reflects the sky wave upward", "Salt water raises the MUF", "Salt water has no effect"],
          "The ground wave loses energy into poor ground; sea water is an excellent conductor.",
          "Pourquoi les signaux de 160 et 80 mètres portent-ils plus loin au-dessus de l'eau salée que de la terre sèche?",
          ["L'eau salée conduit bien, l'onde de sol perd donc moins", "L'eau salée renvoie l'onde ionosphérique vers le haut", "L'eau salée élève la MUF", "L'eau salée n'a aucun effet"],
          "L'onde de sol perd de l'énergie dans un sol médiocre; l'eau de mer est un excellent conducteur."),
    ],
    ("SAFE", 2): [
        q("How does RF exposure change when you stand twice as far from an antenna?",
          ["It drops to about one quarter", "It doubles", "It stays the same", "It drops to one half"],
          "In the far field, power density falls with the square of distance.",
          "Comment varie l'exposition aux radiofréquences quand on se tient deux fois plus loin d'une antenne?",
          ["Elle tombe à environ le quart", "Elle double", "Elle reste la même", "Elle tombe à la moitié"],
          "En champ lointain, la densité de puissance diminue avec le carré de la distance."),
    ],
    ("SAFE", 3): [
        q("What should a helper on the ground do while someone works on a tower?",
          ["Wear a hard hat and stay clear of the area below the climber", "Stand directly below to catch tools", "Hold the guy wires by hand", "Transmit to test the antenna"],
          "Dropped tools are a real danger; never transmit into an antenna while someone works on it.",
          "Que doit faire l'aide au sol pendant qu'une personne travaille dans une tour?",
          ["Porter un casque et se tenir loin de la zone sous le grimpeur", "Se tenir juste en dessous pour attraper les outils", "Tenir les haubans à la main", "Émettre pour essayer l'antenne"],
          "Les outils échappés sont un réel danger; n'émettez jamais dans une antenne pendant qu'on y travaille."),
    ],
}
for (ident, t), questions in EXTRA.items():
    for entry in LESSONS:
        if entry[0] == ident:
            entry[3][t - 1].extend(questions)

# ------------------------------------------------------------------ writing

def place(answers, position):
    """Answers with the first (correct) one moved to 0-based position."""
    rest = answers[1:]
    return rest[:position] + [answers[0]] + rest[position:]


def bank_lines(lang, title, labels, lesson_list):
    lines = [
        "' Sample question bank for the Canadian Basic qualification." if lang == 0 else
        "' Banque de questions d'exemple pour la compétence de base canadienne.",
        "' Lines: ^header^, {lesson} title, designation (answer) question, four answers, >explanation.",
        "^%s^100^70^%s" % (title, labels),
        "",
    ]
    number = 0
    topic_no = {}
    for ident, en_title, fr_title, topics in lesson_list:
        lines.append("{%s} %s" % (ident, en_title if lang == 0 else fr_title))
        lines.append("")
        for t, questions in enumerate(topics, 1):
            section = {"REG": 1, "OPS": 2, "ELEC": 3, "ANT": 4, "PROP": 5, "SAFE": 6}[ident]
            for n, question in enumerate(questions, 1):
                enq, ena, enx, frq, fra, frx = question
                text, answers, expl = (enq, ena, enx) if lang == 0 else (frq, fra, frx)
                assert len(answers) == 4, text
                position = (number * 7 + 1) % 4
                number += 1
                ordered = place(answers, position)
                letter = "1234"[position]
                lines.append("B-%03d-%03d-%03d (%s) %s" % (section, t, n, letter, text))
                for i, a in enumerate(ordered):
                    lines.append("%d. %s" % (i + 1, a))
                lines.append("> " + expl)
                lines.append("")
    return lines


def write(name, lines):
    data = "\r\n".join(lines) + "\r\n"
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data.encode("latin-1"))


QCODES = [
    ("Q-001-001-001", "What does QRP mean?", ["Low power operation", "High power operation", "Stop sending", "Change frequency"],
     "QRP is low power, usually 5 W or less on CW; QRO is high power."),
    ("Q-001-001-002", "What does QRO mean?", ["High power operation", "Low power operation", "Your signals are fading", "I am busy"],
     "QRO: increase power, or high power operation."),
    ("Q-001-002-001", "What does QSY mean?", ["Change frequency", "Send faster", "I am ready", "Interference from static"],
     "QSY: change to transmission on another frequency."),
    ("Q-001-002-002", "What does QRX mean?", ["Wait, I will call you again", "Who is calling me?", "Send more slowly", "My location is ..."],
     "QRX: stand by, I will call you again."),
    ("Q-001-003-001", "What does QRN mean?", ["Static from natural sources", "Interference from other stations", "Reduce power", "Confirm receipt"],
     "QRN is natural noise such as lightning crashes; QRM is man-made interference."),
    ("Q-001-003-002", "What does QSB mean?", ["Your signals are fading", "Your signals are strong", "Your frequency is drifting", "Your tone is rough"],
     "QSB describes fading signals."),
    ("Q-001-004-001", "What does QRS mean?", ["Send more slowly", "Send faster", "Stop sending", "Repeat"],
     "QRS asks for slower Morse code; QRQ asks for faster sending."),
    ("Q-001-004-002", "What does QRT mean?", ["Stop sending, closing the station", "Stand by", "I am changing frequency", "Send faster"],
     "QRT: stop sending; used when closing the station."),
]


def qcode_lines():
    lines = [
        "' A short drill on Q signals, with answers labelled A) to D).",
        "^Q signals drill (A-D)^8^75^A)",
        "",
        "{QSIG} Q signals",
        "",
    ]
    for k, (designation, text, answers, expl) in enumerate(QCODES):
        position = (k * 3 + 2) % 4
        ordered = place(answers, position)
        lines.append("%s (%s) %s" % (designation, "ABCD"[position], text))
        for i, a in enumerate(ordered):
            lines.append("%s) %s" % ("ABCD"[i], a))
        lines.append("> " + expl)
        lines.append("")
    return lines


def main():
    os.makedirs(OUT, exist_ok=True)
    write("Questions_Basic-English.txt", bank_lines(0, "Basic sample (English)", "", LESSONS))
    write("Questions_Base-Francais.txt", bank_lines(1, "Base - exemple (français)", "", LESSONS))
    write("Questions_Q-Signals-ABCD.txt", qcode_lines())
    topics = sum(len(t) for _, _, _, t in LESSONS)
    questions = sum(len(q) for _, _, _, t in LESSONS for q in t)
    print("%d lessons, %d topics, %d questions" % (len(LESSONS), topics, questions), file=sys.stderr)


if __name__ == "__main__":
    main()
