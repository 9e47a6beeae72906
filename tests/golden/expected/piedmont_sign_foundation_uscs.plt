    3    1    0    0                                                            Line 1 : ICOM, IUNITS, KYL, KXX
    1                                                                           Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts for elastic section
  150            0.2000000E+02  0.8248231E+12                                   Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.5498821E+10  0.5498821E+09  0.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1099764E+11  0.5498821E+09  0.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.1649646E+11  0.5498821E+09  0.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2199528E+11  0.5498821E+09  0.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.2749410E+11  0.5498821E+09  0.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.3299292E+11  0.5498821E+09  0.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.3849175E+11  0.5498821E+09  0.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.4399057E+11  0.5498821E+09  0.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.4948939E+11  0.5498821E+09  0.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.5498821E+11  0.5498821E+09  0.1000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.6048703E+11  0.5498821E+09  0.1100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.6598585E+11  0.5498821E+09  0.1200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.7148467E+11  0.5498821E+09  0.1300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.7698349E+11  0.5498821E+09  0.1400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.8248231E+11  0.5498821E+09  0.1500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.8798113E+11  0.5498821E+09  0.1600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.9347995E+11  0.5498821E+09  0.1700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.9897877E+11  0.5498821E+09  0.1800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1044776E+12  0.5498821E+09  0.1900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1099764E+12  0.5498821E+09  0.2000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1154752E+12  0.5498821E+09  0.2100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1209741E+12  0.5498821E+09  0.2200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1264729E+12  0.5498821E+09  0.2300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1319717E+12  0.5498821E+09  0.2400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1374705E+12  0.5498821E+09  0.2500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1429693E+12  0.5498821E+09  0.2600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1484682E+12  0.5498821E+09  0.2700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.1539670E+12  0.5498821E+09  0.2800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.1594658E+12  0.5498821E+09  0.2900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.1649646E+12  0.5498821E+09  0.3000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.1704634E+12  0.5498821E+09  0.3100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.1759623E+12  0.5498821E+09  0.3200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.1814611E+12  0.5498821E+09  0.3300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.1869599E+12  0.5498821E+09  0.3400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.1924587E+12  0.5498821E+09  0.3500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.1979575E+12  0.5498821E+09  0.3600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2034564E+12  0.5498821E+09  0.3700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2089552E+12  0.5498821E+09  0.3800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2144540E+12  0.5498821E+09  0.3900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2199528E+12  0.5498821E+09  0.4000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.2254516E+12  0.5498821E+09  0.4100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.2309505E+12  0.5498821E+09  0.4200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.2364493E+12  0.5498821E+09  0.4300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.2419481E+12  0.5498821E+09  0.4400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.2474469E+12  0.5498821E+09  0.4500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.2529458E+12  0.5498821E+09  0.4600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.2584446E+12  0.5498821E+09  0.4700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.2639434E+12  0.5498821E+09  0.4800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.2694422E+12  0.5498821E+09  0.4900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.2749410E+12  0.5498821E+09  0.5000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.2804399E+12  0.5498821E+09  0.5100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.2859387E+12  0.5498821E+09  0.5200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.2914375E+12  0.5498821E+09  0.5300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.2969363E+12  0.5498821E+09  0.5400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.3024351E+12  0.5498821E+09  0.5500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.3079340E+12  0.5498821E+09  0.5600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.3134328E+12  0.5498821E+09  0.5700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.3189316E+12  0.5498821E+09  0.5800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.3244304E+12  0.5498821E+09  0.5900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.3299292E+12  0.5498821E+09  0.6000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.3354281E+12  0.5498821E+09  0.6100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.3409269E+12  0.5498821E+09  0.6200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.3464257E+12  0.5498821E+09  0.6300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.3519245E+12  0.5498821E+09  0.6400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.3574233E+12  0.5498821E+09  0.6500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.3629222E+12  0.5498821E+09  0.6600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.3684210E+12  0.5498821E+09  0.6700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.3739198E+12  0.5498821E+09  0.6800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.3794186E+12  0.5498821E+09  0.6900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.3849175E+12  0.5498821E+09  0.7000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.3904163E+12  0.5498821E+09  0.7100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.3959151E+12  0.5498821E+09  0.7200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.4014139E+12  0.5498821E+09  0.7300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.4069127E+12  0.5498821E+09  0.7400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.4124116E+12  0.5498821E+09  0.7500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.4179104E+12  0.5498821E+09  0.7600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.4234092E+12  0.5498821E+09  0.7700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.4289080E+12  0.5498821E+09  0.7800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.4344068E+12  0.5498821E+09  0.7900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.4399057E+12  0.5498821E+09  0.8000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.4454045E+12  0.5498821E+09  0.8100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.4509033E+12  0.5498821E+09  0.8200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.4564021E+12  0.5498821E+09  0.8300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.4619009E+12  0.5498821E+09  0.8400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.4673998E+12  0.5498821E+09  0.8500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.4728986E+12  0.5498821E+09  0.8600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.4783974E+12  0.5498821E+09  0.8700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.4838962E+12  0.5498821E+09  0.8800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.4893950E+12  0.5498821E+09  0.8900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.4948939E+12  0.5498821E+09  0.9000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.5003927E+12  0.5498821E+09  0.9100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.5058915E+12  0.5498821E+09  0.9200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.5113903E+12  0.5498821E+09  0.9300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.5168891E+12  0.5498821E+09  0.9400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.5223880E+12  0.5498821E+09  0.9500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.5278868E+12  0.5498821E+09  0.9600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.5333856E+12  0.5498821E+09  0.9700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.5388844E+12  0.5498821E+09  0.9800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.5443833E+12  0.5498821E+09  0.9900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.5498821E+12  0.5498821E+09  0.1000000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.5553809E+12  0.5498821E+09  0.1010000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.5608797E+12  0.5498821E+09  0.1020000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.5663785E+12  0.5498821E+09  0.1030000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.5718774E+12  0.5498821E+09  0.1040000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.5773762E+12  0.5498821E+09  0.1050000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.5828750E+12  0.5498821E+09  0.1060000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.5883738E+12  0.5498821E+09  0.1070000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.5938726E+12  0.5498821E+09  0.1080000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.5993715E+12  0.5498821E+09  0.1090000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.6048703E+12  0.5498821E+09  0.1100000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.6103691E+12  0.5498821E+09  0.1110000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.6158679E+12  0.5498821E+09  0.1120000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.6213667E+12  0.5498821E+09  0.1130000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.6268656E+12  0.5498821E+09  0.1140000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.6323644E+12  0.5498821E+09  0.1150000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.6378632E+12  0.5498821E+09  0.1160000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.6433620E+12  0.5498821E+09  0.1170000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.6488608E+12  0.5498821E+09  0.1180000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.6543597E+12  0.5498821E+09  0.1190000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.6598585E+12  0.5498821E+09  0.1200000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.6653573E+12  0.5498821E+09  0.1210000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.6708561E+12  0.5498821E+09  0.1220000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.6763549E+12  0.5498821E+09  0.1230000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.6818538E+12  0.5498821E+09  0.1240000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.6873526E+12  0.5498821E+09  0.1250000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.6928514E+12  0.5498821E+09  0.1260000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.6983502E+12  0.5498821E+09  0.1270000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.7038491E+12  0.5498821E+09  0.1280000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.7093479E+12  0.5498821E+09  0.1290000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.7148467E+12  0.5498821E+09  0.1300000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.7203455E+12  0.5498821E+09  0.1310000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.7258443E+12  0.5498821E+09  0.1320000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.7313432E+12  0.5498821E+09  0.1330000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.7368420E+12  0.5498821E+09  0.1340000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.7423408E+12  0.5498821E+09  0.1350000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.7478396E+12  0.5498821E+09  0.1360000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.7533384E+12  0.5498821E+09  0.1370000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.7588373E+12  0.5498821E+09  0.1380000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.7643361E+12  0.5498821E+09  0.1390000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.7698349E+12  0.5498821E+09  0.1400000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.7753337E+12  0.5498821E+09  0.1410000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.7808325E+12  0.5498821E+09  0.1420000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.7863314E+12  0.5498821E+09  0.1430000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.7918302E+12  0.5498821E+09  0.1440000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.7973290E+12  0.5498821E+09  0.1450000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.8028278E+12  0.5498821E+09  0.1460000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.8083266E+12  0.5498821E+09  0.1470000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.8138255E+12  0.5498821E+09  0.1480000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.8193243E+12  0.5498821E+09  0.1490000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.8248231E+12  0.5498821E+09  0.1500000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
    0                                                                           Line 6 : number of output p-y curves
    2  101    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.8598215E-01  0.3600000E+07  0.1500000E+05 -0.5371137E+03  0.5498821E+12 Line 10(  1): nodal depth, y, M, V, p, EI
  0.2880000E+01  0.8291588E-01  0.3641034E+07  0.1346288E+05 -0.5303306E+03  0.5498821E+12 Line 10(  2): nodal depth, y, M, V, p, EI
  0.5760000E+01  0.7990453E-01  0.3677668E+07  0.1194577E+05 -0.5232155E+03  0.5498821E+12 Line 10(  3): nodal depth, y, M, V, p, EI
  0.8640000E+01  0.7694865E-01  0.3709961E+07  0.1044962E+05 -0.5157780E+03  0.5498821E+12 Line 10(  4): nodal depth, y, M, V, p, EI
  0.1152000E+02  0.7404873E-01  0.3737975E+07  0.8975343E+04 -0.5080280E+03  0.5498821E+12 Line 10(  5): nodal depth, y, M, V, p, EI
  0.1440000E+02  0.7120519E-01  0.3761774E+07  0.7523818E+04 -0.4999754E+03  0.5498821E+12 Line 10(  6): nodal depth, y, M, V, p, EI
  0.1728000E+02  0.6841840E-01  0.3781424E+07  0.6095906E+04 -0.4916302E+03  0.5498821E+12 Line 10(  7): nodal depth, y, M, V, p, EI
  0.2016000E+02  0.6568864E-01  0.3796996E+07  0.4692434E+04 -0.4830028E+03  0.5498821E+12 Line 10(  8): nodal depth, y, M, V, p, EI
  0.2304000E+02  0.6301616E-01  0.3808561E+07  0.3314201E+04 -0.4741036E+03  0.5498821E+12 Line 10(  9): nodal depth, y, M, V, p, EI
  0.2592000E+02  0.6040113E-01  0.3816192E+07  0.1961974E+04 -0.4649430E+03  0.5498821E+12 Line 10( 10): nodal depth, y, M, V, p, EI
  0.2880000E+02  0.5784366E-01  0.3819965E+07  0.6364900E+03 -0.4555317E+03  0.5498821E+12 Line 10( 11): nodal depth, y, M, V, p, EI
  0.3168000E+02  0.5534381E-01  0.3819959E+07 -0.6615434E+03 -0.4458803E+03  0.5498821E+12 Line 10( 12): nodal depth, y, M, V, p, EI
  0.3456000E+02  0.5290158E-01  0.3816254E+07 -0.1931450E+04 -0.4359996E+03  0.5498821E+12 Line 10( 13): nodal depth, y, M, V, p, EI
  0.3744000E+02  0.5051692E-01  0.3808931E+07 -0.3172586E+04 -0.4259002E+03  0.5498821E+12 Line 10( 14): nodal depth, y, M, V, p, EI
  0.4032000E+02  0.4818971E-01  0.3798074E+07 -0.4384336E+04 -0.4155929E+03  0.5498821E+12 Line 10( 15): nodal depth, y, M, V, p, EI
  0.4320000E+02  0.4591978E-01  0.3783769E+07 -0.5566117E+04 -0.4050884E+03  0.5498821E+12 Line 10( 16): nodal depth, y, M, V, p, EI
  0.4608000E+02  0.4370694E-01  0.3766103E+07 -0.6717377E+04 -0.3943974E+03  0.5498821E+12 Line 10( 17): nodal depth, y, M, V, p, EI
  0.4896000E+02  0.4155090E-01  0.3745164E+07 -0.7836304E+04 -0.3826351E+03  0.5498821E+12 Line 10( 18): nodal depth, y, M, V, p, EI
  0.5184000E+02  0.3945135E-01  0.3721051E+07 -0.8916523E+04 -0.3675170E+03  0.5498821E+12 Line 10( 19): nodal depth, y, M, V, p, EI
  0.5472000E+02  0.3740793E-01  0.3693888E+07 -0.9953317E+04 -0.3524790E+03  0.5498821E+12 Line 10( 20): nodal depth, y, M, V, p, EI
  0.5760000E+02  0.3542023E-01  0.3663800E+07 -0.1094694E+05 -0.3375352E+03  0.5498821E+12 Line 10( 21): nodal depth, y, M, V, p, EI
  0.6048000E+02  0.3348780E-01  0.3630912E+07 -0.1189767E+05 -0.3226991E+03  0.5498821E+12 Line 10( 22): nodal depth, y, M, V, p, EI
  0.6336000E+02  0.3161013E-01  0.3595346E+07 -0.1280586E+05 -0.3079835E+03  0.5498821E+12 Line 10( 23): nodal depth, y, M, V, p, EI
  0.6624000E+02  0.2978669E-01  0.3557224E+07 -0.1367185E+05 -0.2934008E+03  0.5498821E+12 Line 10( 24): nodal depth, y, M, V, p, EI
  0.6912000E+02  0.2801692E-01  0.3516668E+07 -0.1449605E+05 -0.2789626E+03  0.5498821E+12 Line 10( 25): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.2630018E-01  0.3473797E+07 -0.1527890E+05 -0.2646800E+03  0.5498821E+12 Line 10( 26): nodal depth, y, M, V, p, EI
  0.7488000E+02  0.2463585E-01  0.3428729E+07 -0.1602085E+05 -0.2505633E+03  0.5498821E+12 Line 10( 27): nodal depth, y, M, V, p, EI
  0.7776000E+02  0.2302323E-01  0.3381582E+07 -0.1672240E+05 -0.2366225E+03  0.5498821E+12 Line 10( 28): nodal depth, y, M, V, p, EI
  0.8064000E+02  0.2146163E-01  0.3332471E+07 -0.1738406E+05 -0.2228666E+03  0.5498821E+12 Line 10( 29): nodal depth, y, M, V, p, EI
  0.8352000E+02  0.1995028E-01  0.3281511E+07 -0.1800639E+05 -0.2093043E+03  0.5498821E+12 Line 10( 30): nodal depth, y, M, V, p, EI
  0.8640000E+02  0.1848844E-01  0.3228814E+07 -0.1858995E+05 -0.1959436E+03  0.5498821E+12 Line 10( 31): nodal depth, y, M, V, p, EI
  0.8928000E+02  0.1707530E-01  0.3174491E+07 -0.1913532E+05 -0.1827918E+03  0.5498821E+12 Line 10( 32): nodal depth, y, M, V, p, EI
  0.9216000E+02  0.1571005E-01  0.3118650E+07 -0.1964314E+05 -0.1698557E+03  0.5498821E+12 Line 10( 33): nodal depth, y, M, V, p, EI
  0.9504000E+02  0.1439183E-01  0.3061400E+07 -0.2011401E+05 -0.1571413E+03  0.5498821E+12 Line 10( 34): nodal depth, y, M, V, p, EI
  0.9792000E+02  0.1311980E-01  0.3002845E+07 -0.2054860E+05 -0.1446544E+03  0.5498821E+12 Line 10( 35): nodal depth, y, M, V, p, EI
  0.1008000E+03  0.1189306E-01  0.2943090E+07 -0.2101246E+05 -0.1774741E+03  0.5498821E+12 Line 10( 36): nodal depth, y, M, V, p, EI
  0.1036800E+03  0.1071071E-01  0.2881862E+07 -0.2150253E+05 -0.1628510E+03  0.5498821E+12 Line 10( 37): nodal depth, y, M, V, p, EI
  0.1065600E+03  0.9571830E-02  0.2819282E+07 -0.2195049E+05 -0.1482341E+03  0.5498821E+12 Line 10( 38): nodal depth, y, M, V, p, EI
  0.1094400E+03  0.8475478E-02  0.2755472E+07 -0.2235640E+05 -0.1336456E+03  0.5498821E+12 Line 10( 39): nodal depth, y, M, V, p, EI
  0.1123200E+03  0.7420689E-02  0.2690552E+07 -0.2272036E+05 -0.1191058E+03  0.5498821E+12 Line 10( 40): nodal depth, y, M, V, p, EI
  0.1152000E+03  0.6406485E-02  0.2624644E+07 -0.2304255E+05 -0.1046339E+03  0.5498821E+12 Line 10( 41): nodal depth, y, M, V, p, EI
  0.1180800E+03  0.5431871E-02  0.2557867E+07 -0.2332318E+05 -0.9024782E+02  0.5498821E+12 Line 10( 42): nodal depth, y, M, V, p, EI
  0.1209600E+03  0.4495840E-02  0.2490340E+07 -0.2356252E+05 -0.7596395E+02  0.5498821E+12 Line 10( 43): nodal depth, y, M, V, p, EI
  0.1238400E+03  0.3597372E-02  0.2422183E+07 -0.2376090E+05 -0.6179746E+02  0.5498821E+12 Line 10( 44): nodal depth, y, M, V, p, EI
  0.1267200E+03  0.2735441E-02  0.2353513E+07 -0.2391866E+05 -0.4776217E+02  0.5498821E+12 Line 10( 45): nodal depth, y, M, V, p, EI
  0.1296000E+03  0.1909010E-02  0.2284445E+07 -0.2403622E+05 -0.3387061E+02  0.5498821E+12 Line 10( 46): nodal depth, y, M, V, p, EI
  0.1324800E+03  0.1117038E-02  0.2215097E+07 -0.2411398E+05 -0.2013405E+02  0.5498821E+12 Line 10( 47): nodal depth, y, M, V, p, EI
  0.1353600E+03  0.3584779E-03  0.2145580E+07 -0.2415243E+05 -0.6562476E+01  0.5498821E+12 Line 10( 48): nodal depth, y, M, V, p, EI
  0.1382400E+03 -0.3677182E-03  0.2076008E+07 -0.2415203E+05  0.6835330E+01  0.5498821E+12 Line 10( 49): nodal depth, y, M, V, p, EI
  0.1411200E+03 -0.1062600E-02  0.2006493E+07 -0.2411332E+05  0.2005179E+02  0.5498821E+12 Line 10( 50): nodal depth, y, M, V, p, EI
  0.1440000E+03 -0.1727216E-02  0.1937143E+07 -0.2403680E+05  0.3308050E+02  0.5498821E+12 Line 10( 51): nodal depth, y, M, V, p, EI
  0.1468800E+03 -0.2362612E-02  0.1868067E+07 -0.2392305E+05  0.4591618E+02  0.5498821E+12 Line 10( 52): nodal depth, y, M, V, p, EI
  0.1497600E+03 -0.2969830E-02  0.1799371E+07 -0.2377261E+05  0.5855465E+02  0.5498821E+12 Line 10( 53): nodal depth, y, M, V, p, EI
  0.1526400E+03 -0.3549906E-02  0.1731160E+07 -0.2358606E+05  0.7099280E+02  0.5498821E+12 Line 10( 54): nodal depth, y, M, V, p, EI
  0.1555200E+03 -0.4103870E-02  0.1663538E+07 -0.2336398E+05  0.8322854E+02  0.5498821E+12 Line 10( 55): nodal depth, y, M, V, p, EI
  0.1584000E+03 -0.4632741E-02  0.1596605E+07 -0.2310696E+05  0.9526074E+02  0.5498821E+12 Line 10( 56): nodal depth, y, M, V, p, EI
  0.1612800E+03 -0.5137529E-02  0.1530462E+07 -0.2281558E+05  0.1070892E+03  0.5498821E+12 Line 10( 57): nodal depth, y, M, V, p, EI
  0.1641600E+03 -0.5619232E-02  0.1465207E+07 -0.2249042E+05  0.1187147E+03  0.5498821E+12 Line 10( 58): nodal depth, y, M, V, p, EI
  0.1670400E+03 -0.6078833E-02  0.1400936E+07 -0.2213207E+05  0.1301387E+03  0.5498821E+12 Line 10( 59): nodal depth, y, M, V, p, EI
  0.1699200E+03 -0.6517303E-02  0.1337745E+07 -0.2174111E+05  0.1413636E+03  0.5498821E+12 Line 10( 60): nodal depth, y, M, V, p, EI
  0.1728000E+03 -0.6935594E-02  0.1275725E+07 -0.2131810E+05  0.1523923E+03  0.5498821E+12 Line 10( 61): nodal depth, y, M, V, p, EI
  0.1756800E+03 -0.7334642E-02  0.1214969E+07 -0.2086360E+05  0.1632288E+03  0.5498821E+12 Line 10( 62): nodal depth, y, M, V, p, EI
  0.1785600E+03 -0.7715364E-02  0.1155566E+07 -0.2037817E+05  0.1738773E+03  0.5498821E+12 Line 10( 63): nodal depth, y, M, V, p, EI
  0.1814400E+03 -0.8078655E-02  0.1097605E+07 -0.1986233E+05  0.1843428E+03  0.5498821E+12 Line 10( 64): nodal depth, y, M, V, p, EI
  0.1843200E+03 -0.8425390E-02  0.1041173E+07 -0.1931661E+05  0.1946307E+03  0.5498821E+12 Line 10( 65): nodal depth, y, M, V, p, EI
  0.1872000E+03 -0.8756420E-02  0.9863551E+06 -0.1874151E+05  0.2047470E+03  0.5498821E+12 Line 10( 66): nodal depth, y, M, V, p, EI
  0.1900800E+03 -0.9072571E-02  0.9332350E+06 -0.1813751E+05  0.2146979E+03  0.5498821E+12 Line 10( 67): nodal depth, y, M, V, p, EI
  0.1929600E+03 -0.9374646E-02  0.8818955E+06 -0.1750508E+05  0.2244900E+03  0.5498821E+12 Line 10( 68): nodal depth, y, M, V, p, EI
  0.1958400E+03 -0.9663419E-02  0.8324176E+06 -0.1684466E+05  0.2341301E+03  0.5498821E+12 Line 10( 69): nodal depth, y, M, V, p, EI
  0.1987200E+03 -0.9939635E-02  0.7848815E+06 -0.1615670E+05  0.2436254E+03  0.5498821E+12 Line 10( 70): nodal depth, y, M, V, p, EI
  0.2016000E+03 -0.1020401E-01  0.7393659E+06 -0.1562327E+05  0.1268079E+03  0.5498821E+12 Line 10( 71): nodal depth, y, M, V, p, EI
  0.2044800E+03 -0.1045724E-01  0.6949018E+06 -0.1525219E+05  0.1308900E+03  0.5498821E+12 Line 10( 72): nodal depth, y, M, V, p, EI
  0.2073600E+03 -0.1069998E-01  0.6515232E+06 -0.1486947E+05  0.1348853E+03  0.5498821E+12 Line 10( 73): nodal depth, y, M, V, p, EI
  0.2102400E+03 -0.1093289E-01  0.6092632E+06 -0.1447536E+05  0.1387992E+03  0.5498821E+12 Line 10( 74): nodal depth, y, M, V, p, EI
  0.2131200E+03 -0.1115662E-01  0.5681542E+06 -0.1407010E+05  0.1426373E+03  0.5498821E+12 Line 10( 75): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.1137177E-01  0.5282282E+06 -0.1365388E+05  0.1464050E+03  0.5498821E+12 Line 10( 76): nodal depth, y, M, V, p, EI
  0.2188800E+03 -0.1157896E-01  0.4895163E+06 -0.1322690E+05  0.1501080E+03  0.5498821E+12 Line 10( 77): nodal depth, y, M, V, p, EI
  0.2217600E+03 -0.1177877E-01  0.4520494E+06 -0.1278934E+05  0.1537516E+03  0.5498821E+12 Line 10( 78): nodal depth, y, M, V, p, EI
  0.2246400E+03 -0.1197175E-01  0.4158576E+06 -0.1234136E+05  0.1573413E+03  0.5498821E+12 Line 10( 79): nodal depth, y, M, V, p, EI
  0.2275200E+03 -0.1215846E-01  0.3809707E+06 -0.1188312E+05  0.1608826E+03  0.5498821E+12 Line 10( 80): nodal depth, y, M, V, p, EI
  0.2304000E+03 -0.1233943E-01  0.3474182E+06 -0.1141474E+05  0.1643807E+03  0.5498821E+12 Line 10( 81): nodal depth, y, M, V, p, EI
  0.2332800E+03 -0.1251515E-01  0.3152290E+06 -0.1093634E+05  0.1678408E+03  0.5498821E+12 Line 10( 82): nodal depth, y, M, V, p, EI
  0.2361600E+03 -0.1268612E-01  0.2844318E+06 -0.1044803E+05  0.1712683E+03  0.5498821E+12 Line 10( 83): nodal depth, y, M, V, p, EI
  0.2390400E+03 -0.1285280E-01  0.2550551E+06 -0.9949879E+04  0.1746680E+03  0.5498821E+12 Line 10( 84): nodal depth, y, M, V, p, EI
  0.2419200E+03 -0.1301563E-01  0.2271271E+06 -0.9441973E+04  0.1780448E+03  0.5498821E+12 Line 10( 85): nodal depth, y, M, V, p, EI
  0.2448000E+03 -0.1317504E-01  0.2006757E+06 -0.8924367E+04  0.1814037E+03  0.5498821E+12 Line 10( 86): nodal depth, y, M, V, p, EI
  0.2476800E+03 -0.1333142E-01  0.1757290E+06 -0.8397107E+04  0.1847491E+03  0.5498821E+12 Line 10( 87): nodal depth, y, M, V, p, EI
  0.2505600E+03 -0.1348515E-01  0.1523146E+06 -0.7860225E+04  0.1880855E+03  0.5498821E+12 Line 10( 88): nodal depth, y, M, V, p, EI
  0.2534400E+03 -0.1363658E-01  0.1304602E+06 -0.7313742E+04  0.1914171E+03  0.5498821E+12 Line 10( 89): nodal depth, y, M, V, p, EI
  0.2563200E+03 -0.1378604E-01  0.1101935E+06 -0.6757664E+04  0.1947480E+03  0.5498821E+12 Line 10( 90): nodal depth, y, M, V, p, EI
  0.2592000E+03 -0.1393384E-01  0.9154202E+05 -0.6191989E+04  0.1980821E+03  0.5498821E+12 Line 10( 91): nodal depth, y, M, V, p, EI
  0.2620800E+03 -0.1408027E-01  0.7453351E+05 -0.5616702E+04  0.2014228E+03  0.5498821E+12 Line 10( 92): nodal depth, y, M, V, p, EI
  0.2649600E+03 -0.1422556E-01  0.5919565E+05 -0.5031779E+04  0.2047735E+03  0.5498821E+12 Line 10( 93): nodal depth, y, M, V, p, EI
  0.2678400E+03 -0.1436996E-01  0.4555625E+05 -0.4437187E+04  0.2081373E+03  0.5498821E+12 Line 10( 94): nodal depth, y, M, V, p, EI
  0.2707200E+03 -0.1451368E-01  0.3364322E+05 -0.3832885E+04  0.2115169E+03  0.5498821E+12 Line 10( 95): nodal depth, y, M, V, p, EI
  0.2736000E+03 -0.1465689E-01  0.2348457E+05 -0.3218824E+04  0.2149147E+03  0.5498821E+12 Line 10( 96): nodal depth, y, M, V, p, EI
  0.2764800E+03 -0.1479974E-01  0.1510851E+05 -0.2594947E+04  0.2183330E+03  0.5498821E+12 Line 10( 97): nodal depth, y, M, V, p, EI
  0.2793600E+03 -0.1494237E-01  0.8543388E+04 -0.1961194E+04  0.2217734E+03  0.5498821E+12 Line 10( 98): nodal depth, y, M, V, p, EI
  0.2822400E+03 -0.1508487E-01  0.3817739E+04 -0.1317498E+04  0.2252374E+03  0.5498821E+12 Line 10( 99): nodal depth, y, M, V, p, EI
  0.2851200E+03 -0.1522731E-01  0.9602968E+03 -0.6637910E+03  0.2287260E+03  0.5498821E+12 Line 10(100): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.1536973E-01  0.0000000E+00  0.0000000E+00  0.2322399E+03  0.5498821E+12 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.4960458E-01  0.2160000E+07  0.9000000E+04 -0.3534817E+03  0.5498821E+12 Line 10(  1): nodal depth, y, M, V, p, EI
  0.2880000E+01  0.4780688E-01  0.2184490E+07  0.7989206E+04 -0.3484583E+03  0.5498821E+12 Line 10(  2): nodal depth, y, M, V, p, EI
  0.5760000E+01  0.4604213E-01  0.2206089E+07  0.6993180E+04 -0.3432264E+03  0.5498821E+12 Line 10(  3): nodal depth, y, M, V, p, EI
  0.8640000E+01  0.4431065E-01  0.2224841E+07  0.6012512E+04 -0.3377932E+03  0.5498821E+12 Line 10(  4): nodal depth, y, M, V, p, EI
  0.1152000E+02  0.4261273E-01  0.2240790E+07  0.5047771E+04 -0.3321662E+03  0.5498821E+12 Line 10(  5): nodal depth, y, M, V, p, EI
  0.1440000E+02  0.4094861E-01  0.2253983E+07  0.4102066E+04 -0.3245735E+03  0.5498821E+12 Line 10(  6): nodal depth, y, M, V, p, EI
  0.1728000E+02  0.3931849E-01  0.2264484E+07  0.3179849E+04 -0.3158546E+03  0.5498821E+12 Line 10(  7): nodal depth, y, M, V, p, EI
  0.2016000E+02  0.3772253E-01  0.2272363E+07  0.2282844E+04 -0.3070654E+03  0.5498821E+12 Line 10(  8): nodal depth, y, M, V, p, EI
  0.2304000E+02  0.3616084E-01  0.2277696E+07  0.1411237E+04 -0.2982177E+03  0.5498821E+12 Line 10(  9): nodal depth, y, M, V, p, EI
  0.2592000E+02  0.3463351E-01  0.2280554E+07  0.5651778E+03 -0.2893232E+03  0.5498821E+12 Line 10( 10): nodal depth, y, M, V, p, EI
  0.2880000E+02  0.3314059E-01  0.2281012E+07 -0.2552140E+03 -0.2803933E+03  0.5498821E+12 Line 10( 11): nodal depth, y, M, V, p, EI
  0.3168000E+02  0.3168206E-01  0.2279143E+07 -0.1049853E+04 -0.2714391E+03  0.5498821E+12 Line 10( 12): nodal depth, y, M, V, p, EI
  0.3456000E+02  0.3025792E-01  0.2275022E+07 -0.1818684E+04 -0.2624713E+03  0.5498821E+12 Line 10( 13): nodal depth, y, M, V, p, EI
  0.3744000E+02  0.2886809E-01  0.2268724E+07 -0.2561683E+04 -0.2535005E+03  0.5498821E+12 Line 10( 14): nodal depth, y, M, V, p, EI
  0.4032000E+02  0.2751248E-01  0.2260322E+07 -0.3278857E+04 -0.2445368E+03  0.5498821E+12 Line 10( 15): nodal depth, y, M, V, p, EI
  0.4320000E+02  0.2619097E-01  0.2249891E+07 -0.3970239E+04 -0.2355900E+03  0.5498821E+12 Line 10( 16): nodal depth, y, M, V, p, EI
  0.4608000E+02  0.2490340E-01  0.2237505E+07 -0.4635893E+04 -0.2266697E+03  0.5498821E+12 Line 10( 17): nodal depth, y, M, V, p, EI
  0.4896000E+02  0.2364957E-01  0.2223239E+07 -0.5275908E+04 -0.2177849E+03  0.5498821E+12 Line 10( 18): nodal depth, y, M, V, p, EI
  0.5184000E+02  0.2242929E-01  0.2207166E+07 -0.5890398E+04 -0.2089445E+03  0.5498821E+12 Line 10( 19): nodal depth, y, M, V, p, EI
  0.5472000E+02  0.2124229E-01  0.2189359E+07 -0.6479504E+04 -0.2001570E+03  0.5498821E+12 Line 10( 20): nodal depth, y, M, V, p, EI
  0.5760000E+02  0.2008832E-01  0.2169891E+07 -0.7043391E+04 -0.1914305E+03  0.5498821E+12 Line 10( 21): nodal depth, y, M, V, p, EI
  0.6048000E+02  0.1896708E-01  0.2148834E+07 -0.7582243E+04 -0.1827728E+03  0.5498821E+12 Line 10( 22): nodal depth, y, M, V, p, EI
  0.6336000E+02  0.1787825E-01  0.2126261E+07 -0.8096271E+04 -0.1741912E+03  0.5498821E+12 Line 10( 23): nodal depth, y, M, V, p, EI
  0.6624000E+02  0.1682149E-01  0.2102242E+07 -0.8585704E+04 -0.1656927E+03  0.5498821E+12 Line 10( 24): nodal depth, y, M, V, p, EI
  0.6912000E+02  0.1579645E-01  0.2076849E+07 -0.9050791E+04 -0.1572842E+03  0.5498821E+12 Line 10( 25): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.1480273E-01  0.2050150E+07 -0.9491800E+04 -0.1489718E+03  0.5498821E+12 Line 10( 26): nodal depth, y, M, V, p, EI
  0.7488000E+02  0.1383993E-01  0.2022215E+07 -0.9909016E+04 -0.1407615E+03  0.5498821E+12 Line 10( 27): nodal depth, y, M, V, p, EI
  0.7776000E+02  0.1290764E-01  0.1993112E+07 -0.1030274E+05 -0.1326590E+03  0.5498821E+12 Line 10( 28): nodal depth, y, M, V, p, EI
  0.8064000E+02  0.1200541E-01  0.1962908E+07 -0.1067329E+05 -0.1246693E+03  0.5498821E+12 Line 10( 29): nodal depth, y, M, V, p, EI
  0.8352000E+02  0.1113280E-01  0.1931670E+07 -0.1102101E+05 -0.1167975E+03  0.5498821E+12 Line 10( 30): nodal depth, y, M, V, p, EI
  0.8640000E+02  0.1028931E-01  0.1899462E+07 -0.1134622E+05 -0.1090479E+03  0.5498821E+12 Line 10( 31): nodal depth, y, M, V, p, EI
  0.8928000E+02  0.9474484E-02  0.1866349E+07 -0.1164930E+05 -0.1014247E+03  0.5498821E+12 Line 10( 32): nodal depth, y, M, V, p, EI
  0.9216000E+02  0.8687806E-02  0.1832394E+07 -0.1193062E+05 -0.9393180E+02  0.5498821E+12 Line 10( 33): nodal depth, y, M, V, p, EI
  0.9504000E+02  0.7928767E-02  0.1797659E+07 -0.1219054E+05 -0.8657251E+02  0.5498821E+12 Line 10( 34): nodal depth, y, M, V, p, EI
  0.9792000E+02  0.7196845E-02  0.1762206E+07 -0.1242947E+05 -0.7934995E+02  0.5498821E+12 Line 10( 35): nodal depth, y, M, V, p, EI
  0.1008000E+03  0.6491503E-02  0.1726094E+07 -0.1268323E+05 -0.9686946E+02  0.5498821E+12 Line 10( 36): nodal depth, y, M, V, p, EI
  0.1036800E+03  0.5812198E-02  0.1689178E+07 -0.1294997E+05 -0.8837156E+02  0.5498821E+12 Line 10( 37): nodal depth, y, M, V, p, EI
  0.1065600E+03  0.5158372E-02  0.1651529E+07 -0.1319226E+05 -0.7988513E+02  0.5498821E+12 Line 10( 38): nodal depth, y, M, V, p, EI
  0.1094400E+03  0.4529458E-02  0.1613216E+07 -0.1341015E+05 -0.7142276E+02  0.5498821E+12 Line 10( 39): nodal depth, y, M, V, p, EI
  0.1123200E+03  0.3924877E-02  0.1574311E+07 -0.1360371E+05 -0.6299625E+02  0.5498821E+12 Line 10( 40): nodal depth, y, M, V, p, EI
  0.1152000E+03  0.3344044E-02  0.1534883E+07 -0.1377307E+05 -0.5461660E+02  0.5498821E+12 Line 10( 41): nodal depth, y, M, V, p, EI
  0.1180800E+03  0.2786362E-02  0.1495001E+07 -0.1391839E+05 -0.4629402E+02  0.5498821E+12 Line 10( 42): nodal depth, y, M, V, p, EI
  0.1209600E+03  0.2251231E-02  0.1454735E+07 -0.1403982E+05 -0.3803793E+02  0.5498821E+12 Line 10( 43): nodal depth, y, M, V, p, EI
  0.1238400E+03  0.1738044E-02  0.1414153E+07 -0.1413759E+05 -0.2985698E+02  0.5498821E+12 Line 10( 44): nodal depth, y, M, V, p, EI
  0.1267200E+03  0.1246187E-02  0.1373322E+07 -0.1421192E+05 -0.2175904E+02  0.5498821E+12 Line 10( 45): nodal depth, y, M, V, p, EI
  0.1296000E+03  0.7750450E-03  0.1332311E+07 -0.1426305E+05 -0.1375124E+02  0.5498821E+12 Line 10( 46): nodal depth, y, M, V, p, EI
  0.1324800E+03  0.3239999E-03  0.1291186E+07 -0.1429126E+05 -0.5839936E+01  0.5498821E+12 Line 10( 47): nodal depth, y, M, V, p, EI
  0.1353600E+03 -0.1075690E-03  0.1250011E+07 -0.1429684E+05  0.1969213E+01  0.5498821E+12 Line 10( 48): nodal depth, y, M, V, p, EI
  0.1382400E+03 -0.5202829E-03  0.1208853E+07 -0.1428008E+05  0.9671278E+01  0.5498821E+12 Line 10( 49): nodal depth, y, M, V, p, EI
  0.1411200E+03 -0.9147624E-03  0.1167774E+07 -0.1424129E+05  0.1726202E+02  0.5498821E+12 Line 10( 50): nodal depth, y, M, V, p, EI
  0.1440000E+03 -0.1291627E-02  0.1126838E+07 -0.1418081E+05  0.2473789E+02  0.5498821E+12 Line 10( 51): nodal depth, y, M, V, p, EI
  0.1468800E+03 -0.1651495E-02  0.1086107E+07 -0.1409897E+05  0.3209598E+02  0.5498821E+12 Line 10( 52): nodal depth, y, M, V, p, EI
  0.1497600E+03 -0.1994980E-02  0.1045642E+07 -0.1399611E+05  0.3933402E+02  0.5498821E+12 Line 10( 53): nodal depth, y, M, V, p, EI
  0.1526400E+03 -0.2322692E-02  0.1005503E+07 -0.1387258E+05  0.4645036E+02  0.5498821E+12 Line 10( 54): nodal depth, y, M, V, p, EI
  0.1555200E+03 -0.2635238E-02  0.9657489E+06 -0.1372874E+05  0.5344394E+02  0.5498821E+12 Line 10( 55): nodal depth, y, M, V, p, EI
  0.1584000E+03 -0.2933216E-02  0.9264378E+06 -0.1356492E+05  0.6031425E+02  0.5498821E+12 Line 10( 56): nodal depth, y, M, V, p, EI
  0.1612800E+03 -0.3217220E-02  0.8876266E+06 -0.1338150E+05  0.6706134E+02  0.5498821E+12 Line 10( 57): nodal depth, y, M, V, p, EI
  0.1641600E+03 -0.3487835E-02  0.8493714E+06 -0.1317883E+05  0.7368574E+02  0.5498821E+12 Line 10( 58): nodal depth, y, M, V, p, EI
  0.1670400E+03 -0.3745638E-02  0.8117271E+06 -0.1295725E+05  0.8018849E+02  0.5498821E+12 Line 10( 59): nodal depth, y, M, V, p, EI
  0.1699200E+03 -0.3991197E-02  0.7747477E+06 -0.1271711E+05  0.8657105E+02  0.5498821E+12 Line 10( 60): nodal depth, y, M, V, p, EI
  0.1728000E+03 -0.4225069E-02  0.7384861E+06 -0.1245877E+05  0.9283534E+02  0.5498821E+12 Line 10( 61): nodal depth, y, M, V, p, EI
  0.1756800E+03 -0.4447803E-02  0.7029944E+06 -0.1218255E+05  0.9898363E+02  0.5498821E+12 Line 10( 62): nodal depth, y, M, V, p, EI
  0.1785600E+03 -0.4659932E-02  0.6683234E+06 -0.1188879E+05  0.1050186E+03  0.5498821E+12 Line 10( 63): nodal depth, y, M, V, p, EI
  0.1814400E+03 -0.4861981E-02  0.6345232E+06 -0.1157780E+05  0.1109431E+03  0.5498821E+12 Line 10( 64): nodal depth, y, M, V, p, EI
  0.1843200E+03 -0.5054458E-02  0.6016431E+06 -0.1124991E+05  0.1167605E+03  0.5498821E+12 Line 10( 65): nodal depth, y, M, V, p, EI
  0.1872000E+03 -0.5237860E-02  0.5697313E+06 -0.1090541E+05  0.1224743E+03  0.5498821E+12 Line 10( 66): nodal depth, y, M, V, p, EI
  0.1900800E+03 -0.5412669E-02  0.5388351E+06 -0.1054460E+05  0.1280881E+03  0.5498821E+12 Line 10( 67): nodal depth, y, M, V, p, EI
  0.1929600E+03 -0.5579349E-02  0.5090012E+06 -0.1016776E+05  0.1336059E+03  0.5498821E+12 Line 10( 68): nodal depth, y, M, V, p, EI
  0.1958400E+03 -0.5738352E-02  0.4802753E+06 -0.9775163E+04  0.1390317E+03  0.5498821E+12 Line 10( 69): nodal depth, y, M, V, p, EI
  0.1987200E+03 -0.5890111E-02  0.4527025E+06 -0.9367066E+04  0.1443696E+03  0.5498821E+12 Line 10( 70): nodal depth, y, M, V, p, EI
  0.2016000E+03 -0.6035041E-02  0.4263270E+06 -0.9051175E+04  0.7499904E+02  0.5498821E+12 Line 10( 71): nodal depth, y, M, V, p, EI
  0.2044800E+03 -0.6173540E-02  0.4005734E+06 -0.8831904E+04  0.7727231E+02  0.5498821E+12 Line 10( 72): nodal depth, y, M, V, p, EI
  0.2073600E+03 -0.6305997E-02  0.3754606E+06 -0.8606160E+04  0.7949419E+02  0.5498821E+12 Line 10( 73): nodal depth, y, M, V, p, EI
  0.2102400E+03 -0.6432790E-02  0.3510071E+06 -0.8374087E+04  0.8166786E+02  0.5498821E+12 Line 10( 74): nodal depth, y, M, V, p, EI
  0.2131200E+03 -0.6554289E-02  0.3272308E+06 -0.8135818E+04  0.8379652E+02  0.5498821E+12 Line 10( 75): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.6670852E-02  0.3041495E+06 -0.7891479E+04  0.8588336E+02  0.5498821E+12 Line 10( 76): nodal depth, y, M, V, p, EI
  0.2188800E+03 -0.6782827E-02  0.2817805E+06 -0.7641186E+04  0.8793157E+02  0.5498821E+12 Line 10( 77): nodal depth, y, M, V, p, EI
  0.2217600E+03 -0.6890552E-02  0.2601407E+06 -0.7385044E+04  0.8994434E+02  0.5498821E+12 Line 10( 78): nodal depth, y, M, V, p, EI
  0.2246400E+03 -0.6994353E-02  0.2392469E+06 -0.7123153E+04  0.9192479E+02  0.5498821E+12 Line 10( 79): nodal depth, y, M, V, p, EI
  0.2275200E+03 -0.7094545E-02  0.2191154E+06 -0.6855600E+04  0.9387607E+02  0.5498821E+12 Line 10( 80): nodal depth, y, M, V, p, EI
  0.2304000E+03 -0.7191432E-02  0.1997625E+06 -0.6582464E+04  0.9580123E+02  0.5498821E+12 Line 10( 81): nodal depth, y, M, V, p, EI
  0.2332800E+03 -0.7285306E-02  0.1812042E+06 -0.6303818E+04  0.9770331E+02  0.5498821E+12 Line 10( 82): nodal depth, y, M, V, p, EI
  0.2361600E+03 -0.7376446E-02  0.1634563E+06 -0.6019722E+04  0.9958529E+02  0.5498821E+12 Line 10( 83): nodal depth, y, M, V, p, EI
  0.2390400E+03 -0.7465121E-02  0.1465342E+06 -0.5730231E+04  0.1014501E+03  0.5498821E+12 Line 10( 84): nodal depth, y, M, V, p, EI
  0.2419200E+03 -0.7551586E-02  0.1304536E+06 -0.5435391E+04  0.1033004E+03  0.5498821E+12 Line 10( 85): nodal depth, y, M, V, p, EI
  0.2448000E+03 -0.7636083E-02  0.1152298E+06 -0.5135237E+04  0.1051392E+03  0.5498821E+12 Line 10( 86): nodal depth, y, M, V, p, EI
  0.2476800E+03 -0.7718841E-02  0.1008780E+06 -0.4829802E+04  0.1069690E+03  0.5498821E+12 Line 10( 87): nodal depth, y, M, V, p, EI
  0.2505600E+03 -0.7800079E-02  0.8741342E+05 -0.4519105E+04  0.1087924E+03  0.5498821E+12 Line 10( 88): nodal depth, y, M, V, p, EI
  0.2534400E+03 -0.7879997E-02  0.7485118E+05 -0.4203163E+04  0.1106118E+03  0.5498821E+12 Line 10( 89): nodal depth, y, M, V, p, EI
  0.2563200E+03 -0.7958787E-02  0.6320637E+05 -0.3881984E+04  0.1124295E+03  0.5498821E+12 Line 10( 90): nodal depth, y, M, V, p, EI
  0.2592000E+03 -0.8036623E-02  0.5249408E+05 -0.3555568E+04  0.1142478E+03  0.5498821E+12 Line 10( 91): nodal depth, y, M, V, p, EI
  0.2620800E+03 -0.8113667E-02  0.4272940E+05 -0.3223913E+04  0.1160687E+03  0.5498821E+12 Line 10( 92): nodal depth, y, M, V, p, EI
  0.2649600E+03 -0.8190067E-02  0.3392742E+05 -0.2887007E+04  0.1178940E+03  0.5498821E+12 Line 10( 93): nodal depth, y, M, V, p, EI
  0.2678400E+03 -0.8265955E-02  0.2610328E+05 -0.2544834E+04  0.1197257E+03  0.5498821E+12 Line 10( 94): nodal depth, y, M, V, p, EI
  0.2707200E+03 -0.8341449E-02  0.1927220E+05 -0.2197375E+04  0.1215651E+03  0.5498821E+12 Line 10( 95): nodal depth, y, M, V, p, EI
  0.2736000E+03 -0.8416652E-02  0.1344942E+05 -0.1844606E+04  0.1234138E+03  0.5498821E+12 Line 10( 96): nodal depth, y, M, V, p, EI
  0.2764800E+03 -0.8491653E-02  0.8650273E+04 -0.1486497E+04  0.1252730E+03  0.5498821E+12 Line 10( 97): nodal depth, y, M, V, p, EI
  0.2793600E+03 -0.8566523E-02  0.4890192E+04 -0.1123017E+04  0.1271436E+03  0.5498821E+12 Line 10( 98): nodal depth, y, M, V, p, EI
  0.2822400E+03 -0.8641320E-02  0.2184689E+04 -0.7541319E+03  0.1290265E+03  0.5498821E+12 Line 10( 99): nodal depth, y, M, V, p, EI
  0.2851200E+03 -0.8716083E-02  0.5493834E+03 -0.3798054E+03  0.1309224E+03  0.5498821E+12 Line 10(100): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.8790838E-02  0.0000000E+00  0.0000000E+00  0.1328314E+03  0.5498821E+12 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.1500000E+05  0.8598215E-01  0.3819965E+07 -0.2415243E+05 -0.1074106E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.9000000E+04  0.4960458E-01  0.2281012E+07 -0.1429684E+05 -0.6298596E-03     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
