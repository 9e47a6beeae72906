    3    1    0    0                                                            Line 1 : ICOM, IUNITS, KYL, KXX
    1                                                                           Line 2 : Total number of sections
    2                                                                           Line 3 : Total number of axial thrusts for elastic section
  150            0.0000000E+00  0.1108969E+12                                   Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.7393125E+09  0.7393125E+08  0.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1478625E+10  0.7393125E+08  0.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.2217937E+10  0.7393125E+08  0.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2957250E+10  0.7393125E+08  0.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.3696562E+10  0.7393125E+08  0.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.4435875E+10  0.7393125E+08  0.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.5175187E+10  0.7393125E+08  0.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.5914500E+10  0.7393125E+08  0.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.6653812E+10  0.7393125E+08  0.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.7393125E+10  0.7393125E+08  0.1000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.8132437E+10  0.7393125E+08  0.1100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.8871750E+10  0.7393125E+08  0.1200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.9611062E+10  0.7393125E+08  0.1300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1035037E+11  0.7393125E+08  0.1400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1108969E+11  0.7393125E+08  0.1500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1182900E+11  0.7393125E+08  0.1600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1256831E+11  0.7393125E+08  0.1700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1330762E+11  0.7393125E+08  0.1800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1404694E+11  0.7393125E+08  0.1900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1478625E+11  0.7393125E+08  0.2000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1552556E+11  0.7393125E+08  0.2100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1626487E+11  0.7393125E+08  0.2200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1700419E+11  0.7393125E+08  0.2300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1774350E+11  0.7393125E+08  0.2400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1848281E+11  0.7393125E+08  0.2500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1922212E+11  0.7393125E+08  0.2600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1996144E+11  0.7393125E+08  0.2700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.2070075E+11  0.7393125E+08  0.2800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.2144006E+11  0.7393125E+08  0.2900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.2217937E+11  0.7393125E+08  0.3000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.2291869E+11  0.7393125E+08  0.3100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.2365800E+11  0.7393125E+08  0.3200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.2439731E+11  0.7393125E+08  0.3300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2513662E+11  0.7393125E+08  0.3400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2587594E+11  0.7393125E+08  0.3500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2661525E+11  0.7393125E+08  0.3600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2735456E+11  0.7393125E+08  0.3700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2809387E+11  0.7393125E+08  0.3800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2883319E+11  0.7393125E+08  0.3900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2957250E+11  0.7393125E+08  0.4000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.3031181E+11  0.7393125E+08  0.4100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.3105112E+11  0.7393125E+08  0.4200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.3179044E+11  0.7393125E+08  0.4300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.3252975E+11  0.7393125E+08  0.4400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.3326906E+11  0.7393125E+08  0.4500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.3400837E+11  0.7393125E+08  0.4600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.3474769E+11  0.7393125E+08  0.4700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.3548700E+11  0.7393125E+08  0.4800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.3622631E+11  0.7393125E+08  0.4900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.3696562E+11  0.7393125E+08  0.5000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.3770494E+11  0.7393125E+08  0.5100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.3844425E+11  0.7393125E+08  0.5200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.3918356E+11  0.7393125E+08  0.5300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.3992287E+11  0.7393125E+08  0.5400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.4066219E+11  0.7393125E+08  0.5500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.4140150E+11  0.7393125E+08  0.5600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.4214081E+11  0.7393125E+08  0.5700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.4288012E+11  0.7393125E+08  0.5800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.4361944E+11  0.7393125E+08  0.5900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.4435875E+11  0.7393125E+08  0.6000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.4509806E+11  0.7393125E+08  0.6100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.4583737E+11  0.7393125E+08  0.6200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.4657669E+11  0.7393125E+08  0.6300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.4731600E+11  0.7393125E+08  0.6400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.4805531E+11  0.7393125E+08  0.6500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.4879462E+11  0.7393125E+08  0.6600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.4953394E+11  0.7393125E+08  0.6700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.5027325E+11  0.7393125E+08  0.6800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.5101256E+11  0.7393125E+08  0.6900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.5175187E+11  0.7393125E+08  0.7000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.5249119E+11  0.7393125E+08  0.7100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.5323050E+11  0.7393125E+08  0.7200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.5396981E+11  0.7393125E+08  0.7300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.5470912E+11  0.7393125E+08  0.7400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.5544844E+11  0.7393125E+08  0.7500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.5618775E+11  0.7393125E+08  0.7600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.5692706E+11  0.7393125E+08  0.7700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.5766637E+11  0.7393125E+08  0.7800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.5840569E+11  0.7393125E+08  0.7900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.5914500E+11  0.7393125E+08  0.8000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.5988431E+11  0.7393125E+08  0.8100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.6062362E+11  0.7393125E+08  0.8200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.6136294E+11  0.7393125E+08  0.8300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.6210225E+11  0.7393125E+08  0.8400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.6284156E+11  0.7393125E+08  0.8500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.6358087E+11  0.7393125E+08  0.8600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.6432019E+11  0.7393125E+08  0.8700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.6505950E+11  0.7393125E+08  0.8800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.6579881E+11  0.7393125E+08  0.8900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.6653812E+11  0.7393125E+08  0.9000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.6727743E+11  0.7393125E+08  0.9100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.6801675E+11  0.7393125E+08  0.9200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.6875606E+11  0.7393125E+08  0.9300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.6949537E+11  0.7393125E+08  0.9400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.7023468E+11  0.7393125E+08  0.9500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.7097400E+11  0.7393125E+08  0.9600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.7171331E+11  0.7393125E+08  0.9700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.7245262E+11  0.7393125E+08  0.9800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.7319193E+11  0.7393125E+08  0.9900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.7393125E+11  0.7393125E+08  0.1000000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.7467056E+11  0.7393125E+08  0.1010000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.7540987E+11  0.7393125E+08  0.1020000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.7614918E+11  0.7393125E+08  0.1030000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.7688850E+11  0.7393125E+08  0.1040000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.7762781E+11  0.7393125E+08  0.1050000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.7836712E+11  0.7393125E+08  0.1060000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.7910643E+11  0.7393125E+08  0.1070000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.7984575E+11  0.7393125E+08  0.1080000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.8058506E+11  0.7393125E+08  0.1090000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.8132437E+11  0.7393125E+08  0.1100000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.8206368E+11  0.7393125E+08  0.1110000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.8280300E+11  0.7393125E+08  0.1120000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.8354231E+11  0.7393125E+08  0.1130000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.8428162E+11  0.7393125E+08  0.1140000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.8502093E+11  0.7393125E+08  0.1150000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.8576025E+11  0.7393125E+08  0.1160000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.8649956E+11  0.7393125E+08  0.1170000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.8723887E+11  0.7393125E+08  0.1180000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.8797818E+11  0.7393125E+08  0.1190000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.8871750E+11  0.7393125E+08  0.1200000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.8945681E+11  0.7393125E+08  0.1210000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.9019612E+11  0.7393125E+08  0.1220000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=122
  0.9093543E+11  0.7393125E+08  0.1230000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=123
  0.9167475E+11  0.7393125E+08  0.1240000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=124
  0.9241406E+11  0.7393125E+08  0.1250000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=125
  0.9315337E+11  0.7393125E+08  0.1260000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=126
  0.9389268E+11  0.7393125E+08  0.1270000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=127
  0.9463200E+11  0.7393125E+08  0.1280000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=128
  0.9537131E+11  0.7393125E+08  0.1290000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=129
  0.9611062E+11  0.7393125E+08  0.1300000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=130
  0.9684993E+11  0.7393125E+08  0.1310000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=131
  0.9758925E+11  0.7393125E+08  0.1320000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=132
  0.9832856E+11  0.7393125E+08  0.1330000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=133
  0.9906787E+11  0.7393125E+08  0.1340000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=134
  0.9980718E+11  0.7393125E+08  0.1350000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=135
  0.1005465E+12  0.7393125E+08  0.1360000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=136
  0.1012858E+12  0.7393125E+08  0.1370000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=137
  0.1020251E+12  0.7393125E+08  0.1380000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=138
  0.1027644E+12  0.7393125E+08  0.1390000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=139
  0.1035037E+12  0.7393125E+08  0.1400000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=140
  0.1042431E+12  0.7393125E+08  0.1410000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=141
  0.1049824E+12  0.7393125E+08  0.1420000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=142
  0.1057217E+12  0.7393125E+08  0.1430000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=143
  0.1064610E+12  0.7393125E+08  0.1440000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=144
  0.1072003E+12  0.7393125E+08  0.1450000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=145
  0.1079396E+12  0.7393125E+08  0.1460000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=146
  0.1086789E+12  0.7393125E+08  0.1470000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=147
  0.1094182E+12  0.7393125E+08  0.1480000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=148
  0.1101576E+12  0.7393125E+08  0.1490000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=149
  0.1108969E+12  0.7393125E+08  0.1500000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=1, CurvPnt#=150
  150            0.1000000E+03  0.1108969E+12                                   Line 4 : Num. Elas. M-EI-Crv Points, Axial Thrust Load (kips), Nom. Moment Cap. (in-kips) for linear EI pile at top of section
  0.7393125E+09  0.7393125E+08  0.1000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=1
  0.1478625E+10  0.7393125E+08  0.2000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=2
  0.2217937E+10  0.7393125E+08  0.3000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=3
  0.2957250E+10  0.7393125E+08  0.4000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=4
  0.3696562E+10  0.7393125E+08  0.5000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=5
  0.4435875E+10  0.7393125E+08  0.6000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=6
  0.5175187E+10  0.7393125E+08  0.7000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=7
  0.5914500E+10  0.7393125E+08  0.8000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=8
  0.6653812E+10  0.7393125E+08  0.9000000E+02                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=9
  0.7393125E+10  0.7393125E+08  0.1000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=10
  0.8132437E+10  0.7393125E+08  0.1100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=11
  0.8871750E+10  0.7393125E+08  0.1200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=12
  0.9611062E+10  0.7393125E+08  0.1300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=13
  0.1035037E+11  0.7393125E+08  0.1400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=14
  0.1108969E+11  0.7393125E+08  0.1500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=15
  0.1182900E+11  0.7393125E+08  0.1600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=16
  0.1256831E+11  0.7393125E+08  0.1700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=17
  0.1330762E+11  0.7393125E+08  0.1800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=18
  0.1404694E+11  0.7393125E+08  0.1900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=19
  0.1478625E+11  0.7393125E+08  0.2000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=20
  0.1552556E+11  0.7393125E+08  0.2100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=21
  0.1626487E+11  0.7393125E+08  0.2200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=22
  0.1700419E+11  0.7393125E+08  0.2300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=23
  0.1774350E+11  0.7393125E+08  0.2400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=24
  0.1848281E+11  0.7393125E+08  0.2500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=25
  0.1922212E+11  0.7393125E+08  0.2600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=26
  0.1996144E+11  0.7393125E+08  0.2700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=27
  0.2070075E+11  0.7393125E+08  0.2800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=28
  0.2144006E+11  0.7393125E+08  0.2900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=29
  0.2217937E+11  0.7393125E+08  0.3000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=30
  0.2291869E+11  0.7393125E+08  0.3100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=31
  0.2365800E+11  0.7393125E+08  0.3200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=32
  0.2439731E+11  0.7393125E+08  0.3300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=33
  0.2513662E+11  0.7393125E+08  0.3400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=34
  0.2587594E+11  0.7393125E+08  0.3500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=35
  0.2661525E+11  0.7393125E+08  0.3600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=36
  0.2735456E+11  0.7393125E+08  0.3700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=37
  0.2809387E+11  0.7393125E+08  0.3800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=38
  0.2883319E+11  0.7393125E+08  0.3900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=39
  0.2957250E+11  0.7393125E+08  0.4000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=40
  0.3031181E+11  0.7393125E+08  0.4100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=41
  0.3105112E+11  0.7393125E+08  0.4200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=42
  0.3179044E+11  0.7393125E+08  0.4300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=43
  0.3252975E+11  0.7393125E+08  0.4400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=44
  0.3326906E+11  0.7393125E+08  0.4500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=45
  0.3400837E+11  0.7393125E+08  0.4600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=46
  0.3474769E+11  0.7393125E+08  0.4700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=47
  0.3548700E+11  0.7393125E+08  0.4800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=48
  0.3622631E+11  0.7393125E+08  0.4900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=49
  0.3696562E+11  0.7393125E+08  0.5000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=50
  0.3770494E+11  0.7393125E+08  0.5100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=51
  0.3844425E+11  0.7393125E+08  0.5200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=52
  0.3918356E+11  0.7393125E+08  0.5300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=53
  0.3992287E+11  0.7393125E+08  0.5400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=54
  0.4066219E+11  0.7393125E+08  0.5500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=55
  0.4140150E+11  0.7393125E+08  0.5600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=56
  0.4214081E+11  0.7393125E+08  0.5700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=57
  0.4288012E+11  0.7393125E+08  0.5800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=58
  0.4361944E+11  0.7393125E+08  0.5900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=59
  0.4435875E+11  0.7393125E+08  0.6000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=60
  0.4509806E+11  0.7393125E+08  0.6100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=61
  0.4583737E+11  0.7393125E+08  0.6200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=62
  0.4657669E+11  0.7393125E+08  0.6300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=63
  0.4731600E+11  0.7393125E+08  0.6400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=64
  0.4805531E+11  0.7393125E+08  0.6500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=65
  0.4879462E+11  0.7393125E+08  0.6600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=66
  0.4953394E+11  0.7393125E+08  0.6700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=67
  0.5027325E+11  0.7393125E+08  0.6800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=68
  0.5101256E+11  0.7393125E+08  0.6900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=69
  0.5175187E+11  0.7393125E+08  0.7000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=70
  0.5249119E+11  0.7393125E+08  0.7100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=71
  0.5323050E+11  0.7393125E+08  0.7200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=72
  0.5396981E+11  0.7393125E+08  0.7300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=73
  0.5470912E+11  0.7393125E+08  0.7400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=74
  0.5544844E+11  0.7393125E+08  0.7500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=75
  0.5618775E+11  0.7393125E+08  0.7600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=76
  0.5692706E+11  0.7393125E+08  0.7700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=77
  0.5766637E+11  0.7393125E+08  0.7800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=78
  0.5840569E+11  0.7393125E+08  0.7900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=79
  0.5914500E+11  0.7393125E+08  0.8000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=80
  0.5988431E+11  0.7393125E+08  0.8100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=81
  0.6062362E+11  0.7393125E+08  0.8200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=82
  0.6136294E+11  0.7393125E+08  0.8300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=83
  0.6210225E+11  0.7393125E+08  0.8400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=84
  0.6284156E+11  0.7393125E+08  0.8500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=85
  0.6358087E+11  0.7393125E+08  0.8600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=86
  0.6432019E+11  0.7393125E+08  0.8700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=87
  0.6505950E+11  0.7393125E+08  0.8800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=88
  0.6579881E+11  0.7393125E+08  0.8900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=89
  0.6653812E+11  0.7393125E+08  0.9000000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=90
  0.6727743E+11  0.7393125E+08  0.9100000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=91
  0.6801675E+11  0.7393125E+08  0.9200000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=92
  0.6875606E+11  0.7393125E+08  0.9300000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=93
  0.6949537E+11  0.7393125E+08  0.9400000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=94
  0.7023468E+11  0.7393125E+08  0.9500000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=95
  0.7097400E+11  0.7393125E+08  0.9600000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=96
  0.7171331E+11  0.7393125E+08  0.9700000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=97
  0.7245262E+11  0.7393125E+08  0.9800000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=98
  0.7319193E+11  0.7393125E+08  0.9900000E+03                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=99
  0.7393125E+11  0.7393125E+08  0.1000000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=100
  0.7467056E+11  0.7393125E+08  0.1010000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=101
  0.7540987E+11  0.7393125E+08  0.1020000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=102
  0.7614918E+11  0.7393125E+08  0.1030000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=103
  0.7688850E+11  0.7393125E+08  0.1040000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=104
  0.7762781E+11  0.7393125E+08  0.1050000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=105
  0.7836712E+11  0.7393125E+08  0.1060000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=106
  0.7910643E+11  0.7393125E+08  0.1070000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=107
  0.7984575E+11  0.7393125E+08  0.1080000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=108
  0.8058506E+11  0.7393125E+08  0.1090000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=109
  0.8132437E+11  0.7393125E+08  0.1100000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=110
  0.8206368E+11  0.7393125E+08  0.1110000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=111
  0.8280300E+11  0.7393125E+08  0.1120000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=112
  0.8354231E+11  0.7393125E+08  0.1130000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=113
  0.8428162E+11  0.7393125E+08  0.1140000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=114
  0.8502093E+11  0.7393125E+08  0.1150000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=115
  0.8576025E+11  0.7393125E+08  0.1160000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=116
  0.8649956E+11  0.7393125E+08  0.1170000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=117
  0.8723887E+11  0.7393125E+08  0.1180000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=118
  0.8797818E+11  0.7393125E+08  0.1190000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=119
  0.8871750E+11  0.7393125E+08  0.1200000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=120
  0.8945681E+11  0.7393125E+08  0.1210000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=121
  0.9019612E+11  0.7393125E+08  0.1220000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=122
  0.9093543E+11  0.7393125E+08  0.1230000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=123
  0.9167475E+11  0.7393125E+08  0.1240000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=124
  0.9241406E+11  0.7393125E+08  0.1250000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=125
  0.9315337E+11  0.7393125E+08  0.1260000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=126
  0.9389268E+11  0.7393125E+08  0.1270000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=127
  0.9463200E+11  0.7393125E+08  0.1280000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=128
  0.9537131E+11  0.7393125E+08  0.1290000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=129
  0.9611062E+11  0.7393125E+08  0.1300000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=130
  0.9684993E+11  0.7393125E+08  0.1310000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=131
  0.9758925E+11  0.7393125E+08  0.1320000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=132
  0.9832856E+11  0.7393125E+08  0.1330000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=133
  0.9906787E+11  0.7393125E+08  0.1340000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=134
  0.9980718E+11  0.7393125E+08  0.1350000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=135
  0.1005465E+12  0.7393125E+08  0.1360000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=136
  0.1012858E+12  0.7393125E+08  0.1370000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=137
  0.1020251E+12  0.7393125E+08  0.1380000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=138
  0.1027644E+12  0.7393125E+08  0.1390000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=139
  0.1035037E+12  0.7393125E+08  0.1400000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=140
  0.1042431E+12  0.7393125E+08  0.1410000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=141
  0.1049824E+12  0.7393125E+08  0.1420000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=142
  0.1057217E+12  0.7393125E+08  0.1430000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=143
  0.1064610E+12  0.7393125E+08  0.1440000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=144
  0.1072003E+12  0.7393125E+08  0.1450000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=145
  0.1079396E+12  0.7393125E+08  0.1460000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=146
  0.1086789E+12  0.7393125E+08  0.1470000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=147
  0.1094182E+12  0.7393125E+08  0.1480000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=148
  0.1101576E+12  0.7393125E+08  0.1490000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=149
  0.1108969E+12  0.7393125E+08  0.1500000E+04                                   Line 5 : Elastic Moment (in-kips), EI (kip-in^2), Curvature (rad/in) for Sect#=1, AxLd#=2, CurvPnt#=150
    4                                                                           Line 6 : number of output p-y curves
  0.2400000E+02   17                                                            Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 1
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for API sand
  0.2555668E-01  0.5450380E+02                                                  Line 8(2): y, p, for API sand
  0.5111337E-01  0.1050591E+03                                                  Line 8(3): y, p, for API sand
  0.7667005E-01  0.1487844E+03                                                  Line 8(4): y, p, for API sand
  0.1022267E+00  0.1843724E+03                                                  Line 8(5): y, p, for API sand
  0.1277834E+00  0.2119322E+03                                                  Line 8(6): y, p, for API sand
  0.1533401E+00  0.2324639E+03                                                  Line 8(7): y, p, for API sand
  0.1788968E+00  0.2473226E+03                                                  Line 8(8): y, p, for API sand
  0.2044535E+00  0.2578516E+03                                                  Line 8(9): y, p, for API sand
  0.2300102E+00  0.2652017E+03                                                  Line 8(10): y, p, for API sand
  0.2555668E+00  0.2702791E+03                                                  Line 8(11): y, p, for API sand
  0.2811235E+00  0.2737612E+03                                                  Line 8(12): y, p, for API sand
  0.3066802E+00  0.2761375E+03                                                  Line 8(13): y, p, for API sand
  0.3322369E+00  0.2777535E+03                                                  Line 8(14): y, p, for API sand
  0.3577936E+00  0.2788501E+03                                                  Line 8(15): y, p, for API sand
  0.3833503E+00  0.2795929E+03                                                  Line 8(16): y, p, for API sand
  0.4089070E+00  0.2800956E+03                                                  Line 8(17): y, p, for API sand
  0.6000000E+02   17                                                            Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 2
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for API sand
  0.1971731E-01  0.1051260E+03                                                  Line 8(2): y, p, for API sand
  0.3943463E-01  0.2026362E+03                                                  Line 8(3): y, p, for API sand
  0.5915194E-01  0.2869726E+03                                                  Line 8(4): y, p, for API sand
  0.7886925E-01  0.3556143E+03                                                  Line 8(5): y, p, for API sand
  0.9858657E-01  0.4087710E+03                                                  Line 8(6): y, p, for API sand
  0.1183039E+00  0.4483722E+03                                                  Line 8(7): y, p, for API sand
  0.1380212E+00  0.4770315E+03                                                  Line 8(8): y, p, for API sand
  0.1577385E+00  0.4973396E+03                                                  Line 8(9): y, p, for API sand
  0.1774558E+00  0.5115163E+03                                                  Line 8(10): y, p, for API sand
  0.1971731E+00  0.5213096E+03                                                  Line 8(11): y, p, for API sand
  0.2168904E+00  0.5280259E+03                                                  Line 8(12): y, p, for API sand
  0.2366078E+00  0.5326091E+03                                                  Line 8(13): y, p, for API sand
  0.2563251E+00  0.5357262E+03                                                  Line 8(14): y, p, for API sand
  0.2760424E+00  0.5378411E+03                                                  Line 8(15): y, p, for API sand
  0.2957597E+00  0.5392739E+03                                                  Line 8(16): y, p, for API sand
  0.3154770E+00  0.5402435E+03                                                  Line 8(17): y, p, for API sand
  0.1200000E+03   17                                                            Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 3
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for API sand
  0.2989654E-01  0.3187963E+03                                                  Line 8(2): y, p, for API sand
  0.5979308E-01  0.6144976E+03                                                  Line 8(3): y, p, for API sand
  0.8968962E-01  0.8702493E+03                                                  Line 8(4): y, p, for API sand
  0.1195862E+00  0.1078406E+04                                                  Line 8(5): y, p, for API sand
  0.1494827E+00  0.1239605E+04                                                  Line 8(6): y, p, for API sand
  0.1793792E+00  0.1359696E+04                                                  Line 8(7): y, p, for API sand
  0.2092758E+00  0.1446606E+04                                                  Line 8(8): y, p, for API sand
  0.2391723E+00  0.1508191E+04                                                  Line 8(9): y, p, for API sand
  0.2690689E+00  0.1551182E+04                                                  Line 8(10): y, p, for API sand
  0.2989654E+00  0.1580880E+04                                                  Line 8(11): y, p, for API sand
  0.3288619E+00  0.1601247E+04                                                  Line 8(12): y, p, for API sand
  0.3587585E+00  0.1615146E+04                                                  Line 8(13): y, p, for API sand
  0.3886550E+00  0.1624598E+04                                                  Line 8(14): y, p, for API sand
  0.4185516E+00  0.1631012E+04                                                  Line 8(15): y, p, for API sand
  0.4484481E+00  0.1635357E+04                                                  Line 8(16): y, p, for API sand
  0.4783446E+00  0.1638297E+04                                                  Line 8(17): y, p, for API sand
  0.2400000E+03   17                                                            Line 7:  p-y curve depth in API sand, no. p-y points on curve no. 4
  0.0000000E+00  0.0000000E+00                                                  Line 8(1): y, p, for API sand
  0.5419846E-01  0.1155871E+04                                                  Line 8(2): y, p, for API sand
  0.1083969E+00  0.2228005E+04                                                  Line 8(3): y, p, for API sand
  0.1625954E+00  0.3155293E+04                                                  Line 8(4): y, p, for API sand
  0.2167938E+00  0.3910014E+04                                                  Line 8(5): y, p, for API sand
  0.2709923E+00  0.4494478E+04                                                  Line 8(6): y, p, for API sand
  0.3251907E+00  0.4929897E+04                                                  Line 8(7): y, p, for API sand
  0.3793892E+00  0.5245008E+04                                                  Line 8(8): y, p, for API sand
  0.4335877E+00  0.5468299E+04                                                  Line 8(9): y, p, for API sand
  0.4877861E+00  0.5624173E+04                                                  Line 8(10): y, p, for API sand
  0.5419846E+00  0.5731851E+04                                                  Line 8(11): y, p, for API sand
  0.5961830E+00  0.5805697E+04                                                  Line 8(12): y, p, for API sand
  0.6503815E+00  0.5856091E+04                                                  Line 8(13): y, p, for API sand
  0.7045799E+00  0.5890363E+04                                                  Line 8(14): y, p, for API sand
  0.7587784E+00  0.5913617E+04                                                  Line 8(15): y, p, for API sand
  0.8129768E+00  0.5929370E+04                                                  Line 8(16): y, p, for API sand
  0.8671753E+00  0.5940031E+04                                                  Line 8(17): y, p, for API sand
    3  121    1                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.1622698E+00 -0.5700012E-07  0.2000000E+05  0.0000000E+00  0.7393125E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.1518071E+00  0.1200000E+06  0.1984498E+05 -0.5167256E+02  0.7393125E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.1414029E+00  0.2381398E+06  0.1937133E+05 -0.1062116E+03  0.7393125E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.1311146E+00  0.3524560E+06  0.1857712E+05 -0.1585262E+03  0.7393125E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.1209980E+00  0.4610652E+06  0.1748548E+05 -0.2053528E+03  0.7393125E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.1111059E+00  0.5622817E+06  0.1613503E+05 -0.2447977E+03  0.7393125E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.1014875E+00  0.6546855E+06  0.1457292E+05 -0.2759057E+03  0.7393125E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.9218801E-01  0.7371567E+06  0.1285019E+05 -0.2983359E+03  0.7393125E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.8324743E-01  0.8088878E+06  0.1101881E+05 -0.3121258E+03  0.7393125E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.7470072E-01  0.8693824E+06  0.9129915E+04 -0.3175054E+03  0.7393125E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.6657735E-01  0.9184468E+06  0.7233281E+04 -0.3147058E+03  0.7393125E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.5890121E-01  0.9561818E+06  0.5352874E+04 -0.3120967E+03  0.7393125E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.5169067E-01  0.9826813E+06  0.3488695E+04 -0.3092962E+03  0.7393125E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.4495864E-01  0.9980461E+06  0.1664300E+04 -0.2988354E+03  0.7393125E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.3871259E-01  0.1002653E+07 -0.7855014E+02 -0.2821147E+03  0.7393125E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.3295477E-01  0.9971035E+06 -0.1706565E+04 -0.2605568E+03  0.7393125E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.2768249E-01  0.9821741E+06 -0.3194701E+04 -0.2354886E+03  0.7393125E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.2288846E-01  0.9587671E+06 -0.4525428E+04 -0.2080872E+03  0.7393125E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.1856129E-01  0.9278690E+06 -0.5687783E+04 -0.1793644E+03  0.7393125E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.1468594E-01  0.8905137E+06 -0.6676392E+04 -0.1501721E+03  0.7393125E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.1124421E-01  0.8477523E+06 -0.7490560E+04 -0.1212172E+03  0.7393125E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.8215287E-02  0.8006270E+06 -0.8133445E+04 -0.9307797E+02  0.7393125E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.5576221E-02  0.7501509E+06 -0.8611340E+04 -0.6622018E+02  0.7393125E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.3302432E-02  0.6972909E+06 -0.8933034E+04 -0.4101109E+02  0.7393125E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.1368181E-02  0.6429545E+06 -0.9109261E+04 -0.1773127E+02  0.7393125E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03 -0.2529903E-03  0.5879798E+06 -0.9152209E+04  0.3415366E+01  0.7393125E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03 -0.1587851E-02  0.5331280E+06 -0.9075084E+04  0.2229291E+02  0.7393125E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03 -0.2663111E-02  0.4790788E+06 -0.8891728E+04  0.3882576E+02  0.7393125E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03 -0.3505089E-02  0.4264273E+06 -0.8616276E+04  0.5299162E+02  0.7393125E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03 -0.4139423E-02  0.3756835E+06 -0.8262856E+04  0.6481481E+02  0.7393125E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03 -0.4590823E-02  0.3272730E+06 -0.7845332E+04  0.7435993E+02  0.7393125E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03 -0.4882860E-02  0.2815395E+06 -0.7377075E+04  0.8172569E+02  0.7393125E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03 -0.5037804E-02  0.2387481E+06 -0.6870781E+04  0.8703891E+02  0.7393125E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03 -0.5076493E-02  0.1990901E+06 -0.6338318E+04  0.9044876E+02  0.7393125E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.5018237E-02  0.1626883E+06 -0.5790608E+04  0.9212129E+02  0.7393125E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.4880762E-02  0.1296028E+06 -0.5237542E+04  0.9223421E+02  0.7393125E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.4680178E-02  0.9983781E+05 -0.4687923E+04  0.9097215E+02  0.7393125E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.4430980E-02  0.7334777E+05 -0.4149439E+04  0.8852223E+02  0.7393125E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.4146065E-02  0.5004453E+05 -0.3628662E+04  0.8507024E+02  0.7393125E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.3836782E-02  0.2980383E+05 -0.3131060E+04  0.8079718E+02  0.7393125E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.3512986E-02  0.1247182E+05 -0.2661039E+04  0.7587640E+02  0.7393125E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.3183117E-02 -0.2128642E+04 -0.2221996E+04  0.7047122E+02  0.7393125E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.2854285E-02 -0.1419214E+05 -0.1816383E+04  0.6473306E+02  0.7393125E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.2532363E-02 -0.2392524E+05 -0.1445784E+04  0.5880002E+02  0.7393125E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.2222092E-02 -0.3154154E+05 -0.1110996E+04  0.5279594E+02  0.7393125E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.1927179E-02 -0.3725719E+05 -0.8121188E+03  0.4682983E+02  0.7393125E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.1650408E-02 -0.4128697E+05 -0.5486420E+03  0.4099576E+02  0.7393125E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.1393742E-02 -0.4384090E+05 -0.3195359E+03  0.3537294E+02  0.7393125E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.1158423E-02 -0.4512140E+05 -0.1233385E+03  0.3002620E+02  0.7393125E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.9450756E-03 -0.4532096E+05  0.4175996E+02  0.2500663E+02  0.7393125E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.7537968E-03 -0.4462028E+05  0.1778373E+03  0.2035248E+02  0.7393125E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.5842454E-03 -0.4318691E+05  0.2871651E+03  0.1609010E+02  0.7393125E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.4357234E-03 -0.4117430E+05  0.3721407E+03  0.1223511E+02  0.7393125E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03 -0.3072507E-03 -0.3872122E+05  0.4352265E+03  0.8793513E+01  0.7393125E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.1976329E-03 -0.3595158E+05  0.4788960E+03  0.5762975E+01  0.7393125E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03 -0.1055214E-03 -0.3297447E+05  0.5055869E+03  0.3133984E+01  0.7393125E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03 -0.2946633E-04 -0.2988454E+05  0.5176620E+03  0.8910619E+00  0.7393125E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03  0.3203674E-04 -0.2676253E+05  0.5173769E+03 -0.9860910E+00  0.7393125E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03  0.8050810E-04 -0.2367602E+05  0.5068541E+03 -0.2521514E+01  0.7393125E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03  0.1174507E-03 -0.2068028E+05  0.4880636E+03 -0.3741979E+01  0.7393125E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.1443232E-03 -0.1781925E+05  0.4628095E+03 -0.4676073E+01  0.7393125E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.1625189E-03 -0.1512656E+05  0.4327212E+03 -0.5353373E+01  0.7393125E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.1733489E-03 -0.1262660E+05  0.3992499E+03 -0.5803720E+01  0.7393125E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.1780304E-03 -0.1033557E+05  0.3636689E+03 -0.6056595E+01  0.7393125E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.1776792E-03 -0.8262571E+04  0.3270774E+03 -0.6140594E+01  0.7393125E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.1733046E-03 -0.6410637E+04  0.2904066E+03 -0.6082993E+01  0.7393125E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.1658085E-03 -0.4777691E+04  0.2544294E+03 -0.5909414E+01  0.7393125E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.1559859E-03 -0.3357484E+04  0.2197704E+03 -0.5643568E+01  0.7393125E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.1445284E-03 -0.2140446E+04  0.1869185E+03 -0.5307081E+01  0.7393125E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.1320286E-03 -0.1114463E+04  0.1562391E+03 -0.4919385E+01  0.7393125E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03  0.1189861E-03 -0.2655768E+03  0.1279879E+03 -0.4497676E+01  0.7393125E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03  0.1058144E-03  0.4213925E+03  0.1023241E+03 -0.4056923E+01  0.7393125E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03  0.9284779E-04  0.9623127E+03  0.7932359E+02 -0.3609922E+01  0.7393125E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03  0.8034981E-04  0.1373276E+04  0.5899165E+02 -0.3167389E+01  0.7393125E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03  0.6852052E-04  0.1670212E+04  0.4127525E+02 -0.2738080E+01  0.7393125E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03  0.5750453E-04  0.1868579E+04  0.2607420E+02 -0.2328933E+01  0.7393125E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03  0.4739842E-04  0.1983103E+04  0.1325171E+02 -0.1945231E+01  0.7393125E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03  0.3825796E-04  0.2027599E+04  0.2643718E+01 -0.1590766E+01  0.7393125E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03  0.3010482E-04  0.2014828E+04 -0.5932625E+01 -0.1268015E+01  0.7393125E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03  0.2293277E-04  0.1956408E+04 -0.1267161E+02 -0.9783121E+00  0.7393125E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03  0.1671338E-04  0.1862768E+04 -0.1777260E+02 -0.7220180E+00  0.7393125E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03  0.1140104E-04  0.1743136E+04 -0.2143469E+02 -0.4986815E+00  0.7393125E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03  0.6937501E-05  0.1605552E+04 -0.2385232E+02 -0.3071926E+00  0.7393125E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03  0.3255768E-05  0.1456909E+04 -0.2521167E+02 -0.1459235E+00  0.7393125E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.2834606E-06  0.1303012E+04 -0.2568801E+02 -0.1285777E-01  0.7393125E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03 -0.2054360E-05  0.1148652E+04 -0.2544370E+02  0.9429511E-01  0.7393125E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03 -0.3832857E-05  0.9976876E+03 -0.2462682E+02  0.1779979E+00  0.7393125E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03 -0.5125541E-05  0.8531307E+03 -0.2337043E+02  0.2407979E+00  0.7393125E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03 -0.6002802E-05  0.7172424E+03 -0.2179228E+02  0.2852531E+00  0.7393125E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03 -0.6530810E-05  0.5916233E+03 -0.1999491E+02  0.3138707E+00  0.7393125E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03 -0.6770734E-05  0.4773036E+03 -0.1806612E+02  0.3290577E+00  0.7393125E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03 -0.6778240E-05  0.3748299E+03 -0.1607970E+02  0.3330827E+00  0.7393125E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03 -0.6603227E-05  0.2843472E+03 -0.1409631E+02  0.3280483E+00  0.7393125E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03 -0.6289754E-05  0.2056742E+03 -0.1216455E+02  0.3158714E+00  0.7393125E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03 -0.5876130E-05  0.1383726E+03 -0.1032212E+02  0.2982724E+00  0.7393125E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03 -0.5395127E-05  0.8180881E+02 -0.8596989E+01  0.2767700E+00  0.7393125E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03 -0.4874289E-05  0.3520873E+02 -0.7008629E+01  0.2526831E+00  0.7393125E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03 -0.4336306E-05 -0.2294745E+01 -0.5569173E+01  0.2271357E+00  0.7393125E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03 -0.3799440E-05 -0.3162134E+02 -0.4284567E+01  0.2010664E+00  0.7393125E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03 -0.3277972E-05 -0.5370955E+02 -0.3155646E+01  0.1752404E+00  0.7393125E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03 -0.2782658E-05 -0.6948910E+02 -0.2179135E+01  0.1502635E+00  0.7393125E+11 Line 10(101): nodal depth, y, M, V, p, EI
  0.6060000E+03 -0.2321180E-05 -0.7985916E+02 -0.1348553E+01  0.1265971E+00  0.7393125E+11 Line 10(102): nodal depth, y, M, V, p, EI
  0.6120000E+03 -0.1898589E-05 -0.8567173E+02 -0.6550385E+00  0.1045743E+00  0.7393125E+11 Line 10(103): nodal depth, y, M, V, p, EI
  0.6180000E+03 -0.1517714E-05 -0.8771962E+02 -0.8806995E-01  0.8441526E-01  0.7393125E+11 Line 10(104): nodal depth, y, M, V, p, EI
  0.6240000E+03 -0.1179554E-05 -0.8672857E+02  0.3639071E+00  0.6624375E-01  0.7393125E+11 Line 10(105): nodal depth, y, M, V, p, EI
  0.6300000E+03 -0.8836252E-06 -0.8335274E+02  0.7129430E+00  0.5010155E-01  0.7393125E+11 Line 10(106): nodal depth, y, M, V, p, EI
  0.6360000E+03 -0.6282841E-06 -0.7817325E+02  0.9711365E+00  0.3596298E-01  0.7393125E+11 Line 10(107): nodal depth, y, M, V, p, EI
  0.6420000E+03 -0.4110087E-06 -0.7169910E+02  0.1150270E+01  0.2374808E-01  0.7393125E+11 Line 10(108): nodal depth, y, M, V, p, EI
  0.6480000E+03 -0.2286463E-06 -0.6437002E+02  0.1261518E+01  0.1333465E-01  0.7393125E+11 Line 10(109): nodal depth, y, M, V, p, EI
  0.6540000E+03 -0.7762819E-07 -0.5656088E+02  0.1315229E+01  0.4569195E-02  0.7393125E+11 Line 10(110): nodal depth, y, M, V, p, EI
  0.6600000E+03  0.4584822E-07 -0.4858726E+02  0.1320767E+01 -0.2723385E-02  0.7393125E+11 Line 10(111): nodal depth, y, M, V, p, EI
  0.6660000E+03  0.1456656E-06 -0.4071168E+02  0.1286403E+01 -0.8731197E-02  0.7393125E+11 Line 10(112): nodal depth, y, M, V, p, EI
  0.6720000E+03  0.2256589E-06 -0.3315042E+02  0.1219266E+01 -0.1364785E-01  0.7393125E+11 Line 10(113): nodal depth, y, M, V, p, EI
  0.6780000E+03  0.2895099E-06 -0.2608049E+02  0.1125325E+01 -0.1766590E-01  0.7393125E+11 Line 10(114): nodal depth, y, M, V, p, EI
  0.6840000E+03  0.3406614E-06 -0.1964653E+02  0.1009414E+01 -0.2097112E-01  0.7393125E+11 Line 10(115): nodal depth, y, M, V, p, EI
  0.6900000E+03  0.3822462E-06 -0.1396752E+02  0.8752879E+00 -0.2373749E-01  0.7393125E+11 Line 10(116): nodal depth, y, M, V, p, EI
  0.6960000E+03  0.4170296E-06 -0.9143071E+01  0.7257073E+00 -0.2612274E-01  0.7393125E+11 Line 10(117): nodal depth, y, M, V, p, EI
  0.7020000E+03  0.4473610E-06 -0.5259037E+01  0.5625463E+00 -0.2826427E-01  0.7393125E+11 Line 10(118): nodal depth, y, M, V, p, EI
  0.7080000E+03  0.4751315E-06 -0.2392516E+01  0.3869273E+00 -0.3027538E-01  0.7393125E+11 Line 10(119): nodal depth, y, M, V, p, EI
  0.7140000E+03  0.5017370E-06 -0.6159089E+00  0.1993763E+00 -0.3224162E-01  0.7393125E+11 Line 10(120): nodal depth, y, M, V, p, EI
  0.7200000E+03  0.5280426E-06  0.0000000E+00  0.0000000E+00 -0.3421716E-01  0.7393125E+11 Line 10(121): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.5751206E-01 -0.1139051E+07  0.2000000E+05  0.0000000E+00  0.7393125E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.5723474E-01 -0.1019023E+07  0.1991510E+05 -0.2830085E+02  0.7393125E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.5646121E-01 -0.8999645E+06  0.1966004E+05 -0.5671912E+02  0.7393125E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.5524946E-01 -0.7829040E+06  0.1923747E+05 -0.8413677E+02  0.7393125E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.5365648E-01 -0.6688344E+06  0.1865581E+05 -0.1097503E+03  0.7393125E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.5173782E-01 -0.5586831E+06  0.1792768E+05 -0.1329600E+03  0.7393125E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.4954711E-01 -0.4532913E+06  0.1706884E+05 -0.1533177E+03  0.7393125E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.4713568E-01 -0.3533968E+06  0.1609741E+05 -0.1704953E+03  0.7393125E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.4455216E-01 -0.2596229E+06  0.1503315E+05 -0.1842580E+03  0.7393125E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.4184223E-01 -0.1724697E+06  0.1389708E+05 -0.1944306E+03  0.7393125E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.3904831E-01 -0.9230760E+05  0.1271127E+05 -0.2008389E+03  0.7393125E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.3620945E-01 -0.1937119E+05  0.1149213E+05 -0.2055401E+03  0.7393125E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.3336115E-01  0.4616673E+05  0.1024884E+05 -0.2088916E+03  0.7393125E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.3053533E-01  0.1041823E+06  0.8995417E+04 -0.2089156E+03  0.7393125E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.2776025E-01  0.1546718E+06  0.7750992E+04 -0.2058928E+03  0.7393125E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.2506048E-01  0.1977417E+06  0.6532860E+04 -0.2001512E+03  0.7393125E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.2245699E-01  0.2335965E+06  0.5356266E+04 -0.1920468E+03  0.7393125E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.1996726E-01  0.2625262E+06  0.4234280E+04 -0.1819487E+03  0.7393125E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.1760536E-01  0.2848930E+06  0.3177755E+04 -0.1702262E+03  0.7393125E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.1538218E-01  0.3011178E+06  0.2195355E+04 -0.1572404E+03  0.7393125E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.1330563E-01  0.3116672E+06  0.1293625E+04 -0.1433362E+03  0.7393125E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.1138084E-01  0.3170414E+06  0.4771048E+03 -0.1288373E+03  0.7393125E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.9610437E-02  0.3177620E+06 -0.2515345E+03 -0.1140425E+03  0.7393125E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.7994761E-02  0.3143616E+06 -0.8913295E+03 -0.9922250E+02  0.7393125E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.6532159E-02  0.3073739E+06 -0.1442852E+04 -0.8461838E+02  0.7393125E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.5219230E-02  0.2973249E+06 -0.1908029E+04 -0.7044055E+02  0.7393125E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03  0.4051079E-02  0.2847256E+06 -0.2289956E+04 -0.5686848E+02  0.7393125E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03  0.3021573E-02  0.2700652E+06 -0.2592715E+04 -0.4405103E+02  0.7393125E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03  0.2123572E-02  0.2538058E+06 -0.2821189E+04 -0.3210722E+02  0.7393125E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03  0.1349159E-02  0.2363782E+06 -0.2980894E+04 -0.2112753E+02  0.7393125E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03  0.6898476E-03  0.2181785E+06 -0.3077803E+04 -0.1117549E+02  0.7393125E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03  0.1367758E-03  0.1995658E+06 -0.3118198E+04 -0.2289626E+01  0.7393125E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03 -0.3191197E-03  0.1808610E+06 -0.3108524E+04  0.5514385E+01  0.7393125E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03 -0.6869470E-03  0.1623459E+06 -0.3055257E+04  0.1224136E+02  0.7393125E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.9757217E-03  0.1442636E+06 -0.2964790E+04  0.1791415E+02  0.7393125E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.1194249E-02  0.1268191E+06 -0.2843334E+04  0.2257112E+02  0.7393125E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.1351023E-02  0.1101811E+06 -0.2696830E+04  0.2626363E+02  0.7393125E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.1454145E-02  0.9448316E+05 -0.2530878E+04  0.2905352E+02  0.7393125E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.1511260E-02  0.7982656E+05 -0.2350686E+04  0.3101072E+02  0.7393125E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.1529505E-02  0.6628247E+05 -0.2161021E+04  0.3221103E+02  0.7393125E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.1515474E-02  0.5389474E+05 -0.1966186E+04  0.3273390E+02  0.7393125E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.1475199E-02  0.4268281E+05 -0.1770002E+04  0.3266061E+02  0.7393125E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.1414141E-02  0.3264458E+05 -0.1575803E+04  0.3207245E+02  0.7393125E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.1337186E-02  0.2375937E+05 -0.1386438E+04  0.3104925E+02  0.7393125E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.1248662E-02  0.1599077E+05 -0.1204286E+04  0.2966805E+02  0.7393125E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.1152352E-02  0.9289452E+04 -0.1031276E+04  0.2800202E+02  0.7393125E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.1051518E-02  0.3595751E+04 -0.8689109E+03  0.2611962E+02  0.7393125E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.9489337E-03 -0.1157820E+04 -0.7183005E+03  0.2408387E+02  0.7393125E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.8469129E-03 -0.5044316E+04 -0.5801931E+03  0.2195193E+02  0.7393125E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.7473483E-03 -0.8140296E+04 -0.4550129E+03  0.1977480E+02  0.7393125E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.6517476E-03 -0.1052399E+05 -0.3428970E+03  0.1759716E+02  0.7393125E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.5612714E-03 -0.1227367E+05 -0.2437333E+03  0.1545740E+02  0.7393125E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.4767717E-03 -0.1346628E+05 -0.1571979E+03  0.1338774E+02  0.7393125E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03 -0.3988293E-03 -0.1417629E+05 -0.8279116E+02  0.1141449E+02  0.7393125E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.3277899E-03 -0.1447468E+05 -0.1987263E+02  0.9558350E+01  0.7393125E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03 -0.2637987E-03 -0.1442826E+05  0.3230688E+02  0.7834821E+01  0.7393125E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03 -0.2068333E-03 -0.1409909E+05  0.7457526E+02  0.6254638E+01  0.7393125E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03 -0.1567332E-03 -0.1354406E+05  0.1078119E+03  0.4824248E+01  0.7393125E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03 -0.1132283E-03 -0.1281471E+05  0.1329236E+03  0.3546310E+01  0.7393125E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03 -0.7596332E-04 -0.1195706E+05  0.1508231E+03  0.2420191E+01  0.7393125E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03 -0.4452072E-04 -0.1101170E+05  0.1624111E+03  0.1442471E+01  0.7393125E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03 -0.1844015E-04 -0.1001388E+05  0.1685608E+03  0.6074185E+00  0.7393125E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.2764281E-05 -0.8993699E+04  0.1701054E+03 -0.9254813E-01  0.7393125E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.1958933E-04 -0.7976415E+04  0.1678284E+03 -0.6664289E+00  0.7393125E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.3253035E-04 -0.6982735E+04  0.1624564E+03 -0.1124249E+01  0.7393125E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.4207120E-04 -0.6029187E+04  0.1546536E+03 -0.1476699E+01  0.7393125E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.4867621E-04 -0.5128506E+04  0.1450190E+03 -0.1734820E+01  0.7393125E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.5278395E-04 -0.4290030E+04  0.1340854E+03 -0.1909723E+01  0.7393125E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.5480271E-04 -0.3520095E+04  0.1223191E+03 -0.2012356E+01  0.7393125E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.5510740E-04 -0.2822433E+04  0.1101222E+03 -0.2053302E+01  0.7393125E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03  0.5403773E-04 -0.2198552E+04  0.9783437E+02 -0.2042626E+01  0.7393125E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03  0.5189751E-04 -0.1648099E+04  0.8573724E+02 -0.1989750E+01  0.7393125E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03  0.4895476E-04 -0.1169197E+04  0.7405791E+02 -0.1903361E+01  0.7393125E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03  0.4544268E-04 -0.7587591E+03  0.6297377E+02 -0.1791350E+01  0.7393125E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03  0.4156113E-04 -0.4127726E+03  0.5261737E+02 -0.1660783E+01  0.7393125E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03  0.3747859E-04 -0.1265542E+03  0.4308137E+02 -0.1517883E+01  0.7393125E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03  0.3333443E-04  0.1050266E+03  0.3442359E+02 -0.1368045E+01  0.7393125E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03  0.2924140E-04  0.2873526E+03  0.2667188E+02 -0.1215857E+01  0.7393125E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03  0.2528830E-04  0.4258938E+03  0.1982888E+02 -0.1065143E+01  0.7393125E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03  0.2154258E-04  0.5260691E+03  0.1387643E+02 -0.9190066E+00  0.7393125E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03  0.1805303E-04  0.5931345E+03  0.8779739E+01 -0.7798909E+00  0.7393125E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03  0.1485230E-04  0.6320950E+03  0.4491148E+01 -0.6496395E+00  0.7393125E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03  0.1195936E-04  0.6476376E+03  0.9535486E+00 -0.5295603E+00  0.7393125E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03  0.9381774E-05  0.6440846E+03 -0.1896606E+01 -0.4204911E+00  0.7393125E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.7117823E-05  0.6253625E+03 -0.4126672E+01 -0.3228644E+00  0.7393125E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03  0.5158384E-05  0.5949869E+03 -0.5805575E+01 -0.2367698E+00  0.7393125E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03  0.3488668E-05  0.5560585E+03 -0.7001926E+01 -0.1620137E+00  0.7393125E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03  0.2089719E-05  0.5112706E+03 -0.7782492E+01 -0.9817498E-01  0.7393125E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03  0.9397265E-06  0.4629235E+03 -0.8210984E+01 -0.4465580E-01  0.7393125E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03  0.1514995E-07  0.4129463E+03 -0.8347136E+01 -0.7281065E-03  0.7393125E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03 -0.7083470E-06  0.3629227E+03 -0.8246043E+01  0.3442566E-01  0.7393125E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03 -0.1255123E-05  0.3141208E+03 -0.7957736E+01  0.6167673E-01  0.7393125E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03 -0.1648941E-05  0.2675239E+03 -0.7526948E+01  0.8191938E-01  0.7393125E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03 -0.1912491E-05  0.2238632E+03 -0.6993054E+01  0.9604531E-01  0.7393125E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03 -0.2067034E-05  0.1836491E+03 -0.6390150E+01  0.1049226E+00  0.7393125E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03 -0.2132151E-05  0.1472033E+03 -0.5747244E+01  0.1093793E+00  0.7393125E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03 -0.2125588E-05  0.1146880E+03 -0.5088535E+01  0.1101905E+00  0.7393125E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03 -0.2063180E-05  0.8613401E+02 -0.4433755E+01  0.1080694E+00  0.7393125E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03 -0.1958830E-05  0.6146629E+02 -0.3798563E+01  0.1036613E+00  0.7393125E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03 -0.1824549E-05  0.4052739E+02 -0.3194958E+01  0.9754039E-01  0.7393125E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03 -0.1670534E-05  0.2309796E+02 -0.2631711E+01  0.9020883E-01  0.7393125E+11 Line 10(101): nodal depth, y, M, V, p, EI
  0.6060000E+03 -0.1505272E-05  0.8914932E+01 -0.2114792E+01  0.8209751E-01  0.7393125E+11 Line 10(102): nodal depth, y, M, V, p, EI
  0.6120000E+03 -0.1335668E-05 -0.2313022E+01 -0.1647793E+01  0.7356861E-01  0.7393125E+11 Line 10(103): nodal depth, y, M, V, p, EI
  0.6180000E+03 -0.1167191E-05 -0.1089239E+02 -0.1232330E+01  0.6491917E-01  0.7393125E+11 Line 10(104): nodal depth, y, M, V, p, EI
  0.6240000E+03 -0.1004018E-05 -0.1713415E+02 -0.8684153E+00  0.5638565E-01  0.7393125E+11 Line 10(105): nodal depth, y, M, V, p, EI
  0.6300000E+03 -0.8491882E-06 -0.2134518E+02 -0.5548115E+00  0.4814897E-01  0.7393125E+11 Line 10(106): nodal depth, y, M, V, p, EI
  0.6360000E+03 -0.7047522E-06 -0.2382181E+02 -0.2893445E+00  0.4034001E-01  0.7393125E+11 Line 10(107): nodal depth, y, M, V, p, EI
  0.6420000E+03 -0.5719159E-06 -0.2484504E+02 -0.6918855E-01  0.3304530E-01  0.7393125E+11 Line 10(108): nodal depth, y, M, V, p, EI
  0.6480000E+03 -0.4511776E-06 -0.2467743E+02  0.1088854E+00  0.2631268E-01  0.7393125E+11 Line 10(109): nodal depth, y, M, V, p, EI
  0.6540000E+03 -0.3424558E-06 -0.2356136E+02  0.2482943E+00  0.2015695E-01  0.7393125E+11 Line 10(110): nodal depth, y, M, V, p, EI
  0.6600000E+03 -0.2452069E-06 -0.2171850E+02  0.3524610E+00  0.1456529E-01  0.7393125E+11 Line 10(111): nodal depth, y, M, V, p, EI
  0.6660000E+03 -0.1585335E-06 -0.1935022E+02  0.4246643E+00  0.9502500E-02  0.7393125E+11 Line 10(112): nodal depth, y, M, V, p, EI
  0.6720000E+03 -0.8128258E-07 -0.1663892E+02  0.4679198E+00  0.4915970E-02  0.7393125E+11 Line 10(113): nodal depth, y, M, V, p, EI
  0.6780000E+03 -0.1213375E-07 -0.1374982E+02  0.4848889E+00  0.7404016E-03  0.7393125E+11 Line 10(114): nodal depth, y, M, V, p, EI
  0.6840000E+03  0.5031975E-07 -0.1083341E+02  0.4778170E+00 -0.3097684E-02  0.7393125E+11 Line 10(115): nodal depth, y, M, V, p, EI
  0.6900000E+03  0.1074980E-06 -0.8027983E+01  0.4484971E+00 -0.6675628E-02  0.7393125E+11 Line 10(116): nodal depth, y, M, V, p, EI
  0.6960000E+03  0.1607672E-06 -0.5462489E+01  0.3982588E+00 -0.1007046E-01  0.7393125E+11 Line 10(117): nodal depth, y, M, V, p, EI
  0.7020000E+03  0.2113765E-06 -0.3259265E+01  0.3279832E+00 -0.1335476E-01  0.7393125E+11 Line 10(118): nodal depth, y, M, V, p, EI
  0.7080000E+03  0.2603986E-06 -0.1536654E+01  0.2381411E+00 -0.1659260E-01  0.7393125E+11 Line 10(119): nodal depth, y, M, V, p, EI
  0.7140000E+03  0.3086726E-06 -0.4113015E+00  0.1288574E+00 -0.1983530E-01  0.7393125E+11 Line 10(120): nodal depth, y, M, V, p, EI
  0.7200000E+03  0.3567462E-06  0.0000000E+00  0.0000000E+00 -0.2311716E-01  0.7393125E+11 Line 10(121): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.0000000E+00  0.5000000E+00  0.1140002E-06  0.4378487E+05  0.0000000E+00  0.7393125E+11 Line 10(  1): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.4704497E+00  0.2627092E+06  0.4361014E+05 -0.5824616E+02  0.7393125E+11 Line 10(  2): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.4410274E+00  0.5233216E+06  0.4305329E+05 -0.1273697E+03  0.7393125E+11 Line 10(  3): nodal depth, y, M, V, p, EI
  0.1800000E+02  0.4118599E+00  0.7793487E+06  0.4206302E+05 -0.2027208E+03  0.7393125E+11 Line 10(  4): nodal depth, y, M, V, p, EI
  0.2400000E+02  0.3830718E+00  0.1028078E+07  0.4061609E+05 -0.2795876E+03  0.7393125E+11 Line 10(  5): nodal depth, y, M, V, p, EI
  0.3000000E+02  0.3547844E+00  0.1266742E+07  0.3871737E+05 -0.3533179E+03  0.7393125E+11 Line 10(  6): nodal depth, y, M, V, p, EI
  0.3600000E+02  0.3271139E+00  0.1492686E+07  0.3639902E+05 -0.4194660E+03  0.7393125E+11 Line 10(  7): nodal depth, y, M, V, p, EI
  0.4200000E+02  0.3001701E+00  0.1703530E+07  0.3371891E+05 -0.4739042E+03  0.7393125E+11 Line 10(  8): nodal depth, y, M, V, p, EI
  0.4800000E+02  0.2740559E+00  0.1897313E+07  0.3075865E+05 -0.5128484E+03  0.7393125E+11 Line 10(  9): nodal depth, y, M, V, p, EI
  0.5400000E+02  0.2488655E+00  0.2072634E+07  0.2762184E+05 -0.5327570E+03  0.7393125E+11 Line 10( 10): nodal depth, y, M, V, p, EI
  0.6000000E+02  0.2246844E+00  0.2228775E+07  0.2443339E+05 -0.5300586E+03  0.7393125E+11 Line 10( 11): nodal depth, y, M, V, p, EI
  0.6600000E+02  0.2015886E+00  0.2365835E+07  0.2117449E+05 -0.5562429E+03  0.7393125E+11 Line 10( 12): nodal depth, y, M, V, p, EI
  0.7200000E+02  0.1796448E+00  0.2482869E+07  0.1762567E+05 -0.6266957E+03  0.7393125E+11 Line 10( 13): nodal depth, y, M, V, p, EI
  0.7800000E+02  0.1589100E+00  0.2577343E+07  0.1368663E+05 -0.6863184E+03  0.7393125E+11 Line 10( 14): nodal depth, y, M, V, p, EI
  0.8400000E+02  0.1394302E+00  0.2647109E+07  0.9442091E+04 -0.7285275E+03  0.7393125E+11 Line 10( 15): nodal depth, y, M, V, p, EI
  0.9000000E+02  0.1212394E+00  0.2690648E+07  0.5012060E+04 -0.7481494E+03  0.7393125E+11 Line 10( 16): nodal depth, y, M, V, p, EI
  0.9600000E+02  0.1043588E+00  0.2707253E+07  0.5392623E+03 -0.7427832E+03  0.7393125E+11 Line 10( 17): nodal depth, y, M, V, p, EI
  0.1020000E+03  0.8879640E-01  0.2697119E+07 -0.3828826E+04 -0.7132462E+03  0.7393125E+11 Line 10( 18): nodal depth, y, M, V, p, EI
  0.1080000E+03  0.7454736E-01  0.2661308E+07 -0.7957563E+04 -0.6629995E+03  0.7393125E+11 Line 10( 19): nodal depth, y, M, V, p, EI
  0.1140000E+03  0.6159422E-01  0.2601628E+07 -0.1173754E+05 -0.5969914E+03  0.7393125E+11 Line 10( 20): nodal depth, y, M, V, p, EI
  0.1200000E+03  0.4990792E-01  0.2520457E+07 -0.1509001E+05 -0.5205000E+03  0.7393125E+11 Line 10( 21): nodal depth, y, M, V, p, EI
  0.1260000E+03  0.3944892E-01  0.2420548E+07 -0.1796651E+05 -0.4383329E+03  0.7393125E+11 Line 10( 22): nodal depth, y, M, V, p, EI
  0.1320000E+03  0.3016858E-01  0.2304859E+07 -0.2034484E+05 -0.3544454E+03  0.7393125E+11 Line 10( 23): nodal depth, y, M, V, p, EI
  0.1380000E+03  0.2201057E-01  0.2176410E+07 -0.2222379E+05 -0.2718689E+03  0.7393125E+11 Line 10( 24): nodal depth, y, M, V, p, EI
  0.1440000E+03  0.1491234E-01  0.2038174E+07 -0.2361782E+05 -0.1928082E+03  0.7393125E+11 Line 10( 25): nodal depth, y, M, V, p, EI
  0.1500000E+03  0.8806571E-02  0.1892996E+07 -0.2455263E+05 -0.1187973E+03  0.7393125E+11 Line 10( 26): nodal depth, y, M, V, p, EI
  0.1560000E+03  0.3622577E-02  0.1743542E+07 -0.2506159E+05 -0.5085478E+02  0.7393125E+11 Line 10( 27): nodal depth, y, M, V, p, EI
  0.1620000E+03 -0.7124194E-03  0.1592257E+07 -0.2518299E+05  0.1038703E+02  0.7393125E+11 Line 10( 28): nodal depth, y, M, V, p, EI
  0.1680000E+03 -0.4272083E-02  0.1441346E+07 -0.2495808E+05  0.6458424E+02  0.7393125E+11 Line 10( 29): nodal depth, y, M, V, p, EI
  0.1740000E+03 -0.7129900E-02  0.1292760E+07 -0.2442950E+05  0.1116105E+03  0.7393125E+11 Line 10( 30): nodal depth, y, M, V, p, EI
  0.1800000E+03 -0.9358221E-02  0.1148192E+07 -0.2364014E+05  0.1515067E+03  0.7393125E+11 Line 10( 31): nodal depth, y, M, V, p, EI
  0.1860000E+03 -0.1102744E-01  0.1009078E+07 -0.2263229E+05  0.1844454E+03  0.7393125E+11 Line 10( 32): nodal depth, y, M, V, p, EI
  0.1920000E+03 -0.1220531E-01  0.8766046E+06 -0.2144684E+05  0.2107038E+03  0.7393125E+11 Line 10( 33): nodal depth, y, M, V, p, EI
  0.1980000E+03 -0.1295632E-01  0.7517163E+06 -0.2012280E+05  0.2306432E+03  0.7393125E+11 Line 10( 34): nodal depth, y, M, V, p, EI
  0.2040000E+03 -0.1334129E-01  0.6351311E+06 -0.1869679E+05  0.2446917E+03  0.7393125E+11 Line 10( 35): nodal depth, y, M, V, p, EI
  0.2100000E+03 -0.1341698E-01  0.5273548E+06 -0.1720273E+05  0.2533280E+03  0.7393125E+11 Line 10( 36): nodal depth, y, M, V, p, EI
  0.2160000E+03 -0.1323590E-01  0.4286982E+06 -0.1567155E+05  0.2570681E+03  0.7393125E+11 Line 10( 37): nodal depth, y, M, V, p, EI
  0.2220000E+03 -0.1284606E-01  0.3392962E+06 -0.1413099E+05  0.2564514E+03  0.7393125E+11 Line 10( 38): nodal depth, y, M, V, p, EI
  0.2280000E+03 -0.1229100E-01  0.2591264E+06 -0.1260555E+05  0.2520288E+03  0.7393125E+11 Line 10( 39): nodal depth, y, M, V, p, EI
  0.2340000E+03 -0.1160976E-01  0.1880296E+06 -0.1111641E+05  0.2443509E+03  0.7393125E+11 Line 10( 40): nodal depth, y, M, V, p, EI
  0.2400000E+03 -0.1083697E-01  0.1257295E+06 -0.9681481E+04  0.2339584E+03  0.7393125E+11 Line 10( 41): nodal depth, y, M, V, p, EI
  0.2460000E+03 -0.1000295E-01  0.7185185E+05 -0.8315488E+04  0.2213727E+03  0.7393125E+11 Line 10( 42): nodal depth, y, M, V, p, EI
  0.2520000E+03 -0.9133950E-02  0.2594363E+05 -0.7030103E+04  0.2070888E+03  0.7393125E+11 Line 10( 43): nodal depth, y, M, V, p, EI
  0.2580000E+03 -0.8252313E-02 -0.1250939E+05 -0.5834131E+04  0.1915686E+03  0.7393125E+11 Line 10( 44): nodal depth, y, M, V, p, EI
  0.2640000E+03 -0.7376768E-02 -0.4406595E+05 -0.4733715E+04  0.1752369E+03  0.7393125E+11 Line 10( 45): nodal depth, y, M, V, p, EI
  0.2700000E+03 -0.6522679E-02 -0.6931397E+05 -0.3732573E+04  0.1584773E+03  0.7393125E+11 Line 10( 46): nodal depth, y, M, V, p, EI
  0.2760000E+03 -0.5702343E-02 -0.8885682E+05 -0.2832249E+04  0.1416305E+03  0.7393125E+11 Line 10( 47): nodal depth, y, M, V, p, EI
  0.2820000E+03 -0.4925274E-02 -0.1033010E+06 -0.2032377E+04  0.1249936E+03  0.7393125E+11 Line 10( 48): nodal depth, y, M, V, p, EI
  0.2880000E+03 -0.4198507E-02 -0.1132453E+06 -0.1330938E+04  0.1088193E+03  0.7393125E+11 Line 10( 49): nodal depth, y, M, V, p, EI
  0.2940000E+03 -0.3526883E-02 -0.1192722E+06 -0.7245271E+03  0.9331781E+02  0.7393125E+11 Line 10( 50): nodal depth, y, M, V, p, EI
  0.3000000E+03 -0.2913338E-02 -0.1219397E+06 -0.2085991E+03  0.7865817E+02  0.7393125E+11 Line 10( 51): nodal depth, y, M, V, p, EI
  0.3060000E+03 -0.2359169E-02 -0.1217754E+06  0.2222869E+03  0.6497051E+02  0.7393125E+11 Line 10( 52): nodal depth, y, M, V, p, EI
  0.3120000E+03 -0.1864298E-02 -0.1192722E+06  0.5742454E+03  0.5234900E+02  0.7393125E+11 Line 10( 53): nodal depth, y, M, V, p, EI
  0.3180000E+03 -0.1427505E-02 -0.1148845E+06  0.8538573E+03  0.4085498E+02  0.7393125E+11 Line 10( 54): nodal depth, y, M, V, p, EI
  0.3240000E+03 -0.1046654E-02 -0.1090259E+06  0.1067983E+04  0.3052035E+02  0.7393125E+11 Line 10( 55): nodal depth, y, M, V, p, EI
  0.3300000E+03 -0.7188919E-03 -0.1020687E+06  0.1223598E+04  0.2135106E+02  0.7393125E+11 Line 10( 56): nodal depth, y, M, V, p, EI
  0.3360000E+03 -0.4408309E-03 -0.9434276E+05  0.1327643E+04  0.1333072E+02  0.7393125E+11 Line 10( 57): nodal depth, y, M, V, p, EI
  0.3420000E+03 -0.2087091E-03 -0.8613695E+05  0.1386907E+04  0.6424065E+01  0.7393125E+11 Line 10( 58): nodal depth, y, M, V, p, EI
  0.3480000E+03 -0.1853066E-04 -0.7769987E+05  0.1407921E+04  0.5803804E+00  0.7393125E+11 Line 10( 59): nodal depth, y, M, V, p, EI
  0.3540000E+03  0.1338127E-03 -0.6924190E+05  0.1396872E+04 -0.4263271E+01  0.7393125E+11 Line 10( 60): nodal depth, y, M, V, p, EI
  0.3600000E+03  0.2524394E-03 -0.6093741E+05  0.1359545E+04 -0.8179035E+01  0.7393125E+11 Line 10( 61): nodal depth, y, M, V, p, EI
  0.3660000E+03  0.3413933E-03 -0.5292736E+05  0.1301271E+04 -0.1124549E+02  0.7393125E+11 Line 10( 62): nodal depth, y, M, V, p, EI
  0.3720000E+03  0.4045749E-03 -0.4532215E+05  0.1226899E+04 -0.1354516E+02  0.7393125E+11 Line 10( 63): nodal depth, y, M, V, p, EI
  0.3780000E+03  0.4456873E-03 -0.3820457E+05  0.1140777E+04 -0.1516228E+02  0.7393125E+11 Line 10( 64): nodal depth, y, M, V, p, EI
  0.3840000E+03  0.4681965E-03 -0.3163283E+05  0.1046748E+04 -0.1618086E+02  0.7393125E+11 Line 10( 65): nodal depth, y, M, V, p, EI
  0.3900000E+03  0.4753024E-03 -0.2564360E+05  0.9481558E+03 -0.1668311E+02  0.7393125E+11 Line 10( 66): nodal depth, y, M, V, p, EI
  0.3960000E+03  0.4699214E-03 -0.2025496E+05  0.8478625E+03 -0.1674799E+02  0.7393125E+11 Line 10( 67): nodal depth, y, M, V, p, EI
  0.4020000E+03  0.4546775E-03 -0.1546925E+05  0.7482679E+03 -0.1645023E+02  0.7393125E+11 Line 10( 68): nodal depth, y, M, V, p, EI
  0.4080000E+03  0.4319010E-03 -0.1127574E+05  0.6513390E+03 -0.1585940E+02  0.7393125E+11 Line 10( 69): nodal depth, y, M, V, p, EI
  0.4140000E+03  0.4036339E-03 -0.7653179E+04  0.5586426E+03 -0.1503940E+02  0.7393125E+11 Line 10( 70): nodal depth, y, M, V, p, EI
  0.4200000E+03  0.3716402E-03 -0.4572032E+04  0.4713804E+03 -0.1404800E+02  0.7393125E+11 Line 10( 71): nodal depth, y, M, V, p, EI
  0.4260000E+03  0.3374202E-03 -0.1996613E+04  0.3904264E+03 -0.1293669E+02  0.7393125E+11 Line 10( 72): nodal depth, y, M, V, p, EI
  0.4320000E+03  0.3022280E-03  0.1130845E+03  0.3163644E+03 -0.1175062E+02  0.7393125E+11 Line 10( 73): nodal depth, y, M, V, p, EI
  0.4380000E+03  0.2670908E-03  0.1799760E+04  0.2495264E+03 -0.1052872E+02  0.7393125E+11 Line 10( 74): nodal depth, y, M, V, p, EI
  0.4440000E+03  0.2328300E-03  0.3107402E+04  0.1900286E+03 -0.9303886E+01  0.7393125E+11 Line 10( 75): nodal depth, y, M, V, p, EI
  0.4500000E+03  0.2000823E-03  0.4080103E+04  0.1378070E+03 -0.8103333E+01  0.7393125E+11 Line 10( 76): nodal depth, y, M, V, p, EI
  0.4560000E+03  0.1693214E-03  0.4761085E+04  0.9265012E+02 -0.6948949E+01  0.7393125E+11 Line 10( 77): nodal depth, y, M, V, p, EI
  0.4620000E+03  0.1408788E-03  0.5191905E+04  0.5423005E+02 -0.5857741E+01  0.7393125E+11 Line 10( 78): nodal depth, y, M, V, p, EI
  0.4680000E+03  0.1149644E-03  0.5411846E+04  0.2212992E+02 -0.4842300E+01  0.7393125E+11 Line 10( 79): nodal depth, y, M, V, p, EI
  0.4740000E+03  0.9168520E-04  0.5457464E+04 -0.4130847E+01 -0.3911291E+01  0.7393125E+11 Line 10( 80): nodal depth, y, M, V, p, EI
  0.4800000E+03  0.7106347E-04  0.5362276E+04 -0.2507454E+02 -0.3069942E+01  0.7393125E+11 Line 10( 81): nodal depth, y, M, V, p, EI
  0.4860000E+03  0.5305283E-04  0.5156569E+04 -0.4124596E+02 -0.2320531E+01  0.7393125E+11 Line 10( 82): nodal depth, y, M, V, p, EI
  0.4920000E+03  0.3755313E-04  0.4867324E+04 -0.5319611E+02 -0.1662853E+01  0.7393125E+11 Line 10( 83): nodal depth, y, M, V, p, EI
  0.4980000E+03  0.2442352E-04  0.4518216E+04 -0.6146866E+02 -0.1094662E+01  0.7393125E+11 Line 10( 84): nodal depth, y, M, V, p, EI
  0.5040000E+03  0.1349400E-04  0.4129700E+04 -0.6658891E+02 -0.6120879E+00  0.7393125E+11 Line 10( 85): nodal depth, y, M, V, p, EI
  0.5100000E+03  0.4575396E-05  0.3719149E+04 -0.6905520E+02 -0.2100107E+00  0.7393125E+11 Line 10( 86): nodal depth, y, M, V, p, EI
  0.5160000E+03 -0.2532211E-05  0.3301038E+04 -0.6933245E+02  0.1175959E+00  0.7393125E+11 Line 10( 87): nodal depth, y, M, V, p, EI
  0.5220000E+03 -0.8032414E-05  0.2887160E+04 -0.6784757E+02  0.3773628E+00  0.7393125E+11 Line 10( 88): nodal depth, y, M, V, p, EI
  0.5280000E+03 -0.1212675E-04  0.2486867E+04 -0.6498669E+02  0.5762630E+00  0.7393125E+11 Line 10( 89): nodal depth, y, M, V, p, EI
  0.5340000E+03 -0.1501013E-04  0.2107320E+04 -0.6109374E+02  0.7213867E+00  0.7393125E+11 Line 10( 90): nodal depth, y, M, V, p, EI
  0.5400000E+03 -0.1686737E-04  0.1753742E+04 -0.5647032E+02  0.8197543E+00  0.7393125E+11 Line 10( 91): nodal depth, y, M, V, p, EI
  0.5460000E+03 -0.1787065E-04  0.1429676E+04 -0.5137657E+02  0.8781638E+00  0.7393125E+11 Line 10( 92): nodal depth, y, M, V, p, EI
  0.5520000E+03 -0.1817777E-04  0.1137223E+04 -0.4603286E+02  0.9030714E+00  0.7393125E+11 Line 10( 93): nodal depth, y, M, V, p, EI
  0.5580000E+03 -0.1793112E-04  0.8772813E+03 -0.4062214E+02  0.9005010E+00  0.7393125E+11 Line 10( 94): nodal depth, y, M, V, p, EI
  0.5640000E+03 -0.1725730E-04  0.6497575E+03 -0.3529270E+02  0.8759804E+00  0.7393125E+11 Line 10( 95): nodal depth, y, M, V, p, EI
  0.5700000E+03 -0.1626708E-04  0.4537689E+03 -0.3016125E+02  0.8345011E+00  0.7393125E+11 Line 10( 96): nodal depth, y, M, V, p, EI
  0.5760000E+03 -0.1505590E-04  0.2878224E+03 -0.2531626E+02  0.7804980E+00  0.7393125E+11 Line 10( 97): nodal depth, y, M, V, p, EI
  0.5820000E+03 -0.1370458E-04  0.1499739E+03 -0.2082123E+02  0.7178457E+00  0.7393125E+11 Line 10( 98): nodal depth, y, M, V, p, EI
  0.5880000E+03 -0.1228022E-04  0.3796771E+02 -0.1671808E+02  0.6498692E+00  0.7393125E+11 Line 10( 99): nodal depth, y, M, V, p, EI
  0.5940000E+03 -0.1083738E-04 -0.5064313E+02 -0.1303038E+02  0.5793661E+00  0.7393125E+11 Line 10(100): nodal depth, y, M, V, p, EI
  0.6000000E+03 -0.9419192E-05 -0.1183968E+03 -0.9766368E+01  0.5086364E+00  0.7393125E+11 Line 10(101): nodal depth, y, M, V, p, EI
  0.6060000E+03 -0.8058660E-05 -0.1678396E+03 -0.6921901E+01  0.4395193E+00  0.7393125E+11 Line 10(102): nodal depth, y, M, V, p, EI
  0.6120000E+03 -0.6779856E-05 -0.2014596E+03 -0.4483040E+01  0.3734345E+00  0.7393125E+11 Line 10(103): nodal depth, y, M, V, p, EI
  0.6180000E+03 -0.5599150E-05 -0.2216360E+03 -0.2428462E+01  0.3114248E+00  0.7393125E+11 Line 10(104): nodal depth, y, M, V, p, EI
  0.6240000E+03 -0.4526368E-05 -0.2306012E+03 -0.7315856E+00  0.2542008E+00  0.7393125E+11 Line 10(105): nodal depth, y, M, V, p, EI
  0.6300000E+03 -0.3565874E-05 -0.2304151E+03  0.6375722E+00  0.2021851E+00  0.7393125E+11 Line 10(106): nodal depth, y, M, V, p, EI
  0.6360000E+03 -0.2717579E-05 -0.2229503E+03  0.1710790E+01  0.1555542E+00  0.7393125E+11 Line 10(107): nodal depth, y, M, V, p, EI
  0.6420000E+03 -0.1977846E-05 -0.2098856E+03  0.2520293E+01  0.1142800E+00  0.7393125E+11 Line 10(108): nodal depth, y, M, V, p, EI
  0.6480000E+03 -0.1340315E-05 -0.1927068E+03  0.3097634E+01  0.7816719E-01  0.7393125E+11 Line 10(109): nodal depth, y, M, V, p, EI
  0.6540000E+03 -0.7966207E-06 -0.1727140E+03  0.3472803E+01  0.4688910E-01  0.7393125E+11 Line 10(110): nodal depth, y, M, V, p, EI
  0.6600000E+03 -0.3370273E-06 -0.1510331E+03  0.3673528E+01  0.2001942E-01  0.7393125E+11 Line 10(111): nodal depth, y, M, V, p, EI
  0.6660000E+03  0.4902224E-07 -0.1286316E+03  0.3724771E+01 -0.2938393E-02  0.7393125E+11 Line 10(112): nodal depth, y, M, V, p, EI
  0.6720000E+03  0.3724360E-06 -0.1063359E+03  0.3648382E+01 -0.2252493E-01  0.7393125E+11 Line 10(113): nodal depth, y, M, V, p, EI
  0.6780000E+03  0.6440707E-06 -0.8485105E+02  0.3462903E+01 -0.3930119E-01  0.7393125E+11 Line 10(114): nodal depth, y, M, V, p, EI
  0.6840000E+03  0.8743881E-06 -0.6478105E+02  0.3183518E+01 -0.5382733E-01  0.7393125E+11 Line 10(115): nodal depth, y, M, V, p, EI
  0.6900000E+03  0.1073161E-05 -0.4664884E+02  0.2822106E+01 -0.6664331E-01  0.7393125E+11 Line 10(116): nodal depth, y, M, V, p, EI
  0.6960000E+03  0.1249219E-05 -0.3091579E+02  0.2387422E+01 -0.7825108E-01  0.7393125E+11 Line 10(117): nodal depth, y, M, V, p, EI
  0.7020000E+03  0.1410223E-05 -0.1799977E+02  0.1885376E+01 -0.8909787E-01  0.7393125E+11 Line 10(118): nodal depth, y, M, V, p, EI
  0.7080000E+03  0.1562462E-05 -0.8291279E+01  0.1319402E+01 -0.9956006E-01  0.7393125E+11 Line 10(119): nodal depth, y, M, V, p, EI
  0.7140000E+03  0.1710663E-05 -0.2166949E+01  0.6909399E+00 -0.1099272E+00  0.7393125E+11 Line 10(120): nodal depth, y, M, V, p, EI
  0.7200000E+03  0.1857810E-05  0.0000000E+00  0.0000000E+00 -0.1203861E+00  0.7393125E+11 Line 10(121): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 3
  0.2000000E+05  0.1622698E+00  0.1002653E+07  0.2000000E+05 -0.1743775E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.2000000E+05  0.5751206E-01 -0.1139051E+07  0.2000000E+05  0.5782412E-18     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
  0.4378487E+05  0.5000000E+00  0.2707253E+07  0.4378487E+05 -0.4925045E-02     Line 13: TopV(lbs), TopY(in), Mmax(in-lbs), Vmax(lbs), Rotation(rad)
