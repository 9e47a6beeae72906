    3    2    0    0                                                            Line 1 : ICOM, IUNITS, KYL, KXX
    1                                                                           Line 2 : Total number of sections
    2                                                                           Line 3 : Total number of axial thrusts for input M-EI section
  141            0.0000000E+00  0.4060000E+03                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) for input M-EI pile
  0.0000000E+00  0.1480000E+05  0.0000000E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=1
  0.8571429E+01  0.1480000E+05  0.5791506E-03                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=2
  0.1714286E+02  0.1480000E+05  0.1158301E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2571429E+02  0.1480000E+05  0.1737452E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=4
  0.3428571E+02  0.1480000E+05  0.2316602E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=5
  0.4285714E+02  0.1480000E+05  0.2895753E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=6
  0.5142857E+02  0.1480000E+05  0.3474903E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=7
  0.6000000E+02  0.1480000E+05  0.4054054E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=8
  0.6857143E+02  0.1480000E+05  0.4633205E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=9
  0.7714286E+02  0.1480000E+05  0.5212355E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=10
  0.8571429E+02  0.1480000E+05  0.5791506E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=11
  0.9428571E+02  0.1480000E+05  0.6370656E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=12
  0.1028571E+03  0.1480000E+05  0.6949807E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=13
  0.1114286E+03  0.1480000E+05  0.7528958E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=14
  0.1200000E+03  0.1480000E+05  0.8108108E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=15
  0.1285714E+03  0.1480000E+05  0.8687259E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=16
  0.1371429E+03  0.1480000E+05  0.9266409E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=17
  0.1457143E+03  0.1480000E+05  0.9845560E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1542857E+03  0.1480000E+05  0.1042471E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1628571E+03  0.1480000E+05  0.1100386E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1714286E+03  0.1480000E+05  0.1158301E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1800000E+03  0.1480000E+05  0.1216216E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1885714E+03  0.1480000E+05  0.1274131E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1971429E+03  0.1480000E+05  0.1332046E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=24
  0.2057143E+03  0.1480000E+05  0.1389961E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=25
  0.2142857E+03  0.1480000E+05  0.1447876E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=26
  0.2228571E+03  0.1480000E+05  0.1505792E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=27
  0.2314286E+03  0.1480000E+05  0.1563707E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=28
  0.2400000E+03  0.1480000E+05  0.1621622E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=29
  0.2421429E+03  0.1471786E+05  0.1645232E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=30
  0.2442857E+03  0.1463571E+05  0.1669107E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=31
  0.2464286E+03  0.1455357E+05  0.1693252E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=32
  0.2485714E+03  0.1447143E+05  0.1717670E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=33
  0.2507143E+03  0.1438929E+05  0.1742368E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=34
  0.2528571E+03  0.1430714E+05  0.1767349E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=35
  0.2550000E+03  0.1422500E+05  0.1792619E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=36
  0.2571429E+03  0.1414286E+05  0.1818182E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=37
  0.2592857E+03  0.1406071E+05  0.1844044E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=38
  0.2614286E+03  0.1397857E+05  0.1870210E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=39
  0.2635714E+03  0.1389643E+05  0.1896685E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=40
  0.2657143E+03  0.1381429E+05  0.1923475E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=41
  0.2678571E+03  0.1373214E+05  0.1950585E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=42
  0.2700000E+03  0.1365000E+05  0.1978022E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=43
  0.2721429E+03  0.1356786E+05  0.2005791E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=44
  0.2742857E+03  0.1348571E+05  0.2033898E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=45
  0.2764286E+03  0.1340357E+05  0.2062350E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=46
  0.2785714E+03  0.1332143E+05  0.2091153E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=47
  0.2807143E+03  0.1323929E+05  0.2120313E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=48
  0.2828571E+03  0.1315714E+05  0.2149837E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=49
  0.2850000E+03  0.1307500E+05  0.2179732E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=50
  0.2871429E+03  0.1299286E+05  0.2210005E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=51
  0.2892857E+03  0.1291071E+05  0.2240664E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=52
  0.2914286E+03  0.1282857E+05  0.2271715E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=53
  0.2935714E+03  0.1274643E+05  0.2303166E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=54
  0.2957143E+03  0.1266429E+05  0.2335025E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=55
  0.2978571E+03  0.1258214E+05  0.2367301E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=56
  0.3000000E+03  0.1250000E+05  0.2400000E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=57
  0.3017857E+03  0.1237500E+05  0.2438672E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=58
  0.3035714E+03  0.1225000E+05  0.2478134E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=59
  0.3053571E+03  0.1212500E+05  0.2518409E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=60
  0.3071429E+03  0.1200000E+05  0.2559524E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=61
  0.3089286E+03  0.1187500E+05  0.2601504E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=62
  0.3107143E+03  0.1175000E+05  0.2644377E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=63
  0.3125000E+03  0.1162500E+05  0.2688172E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=64
  0.3142857E+03  0.1150000E+05  0.2732919E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=65
  0.3160714E+03  0.1137500E+05  0.2778650E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=66
  0.3178571E+03  0.1125000E+05  0.2825397E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=67
  0.3196429E+03  0.1112500E+05  0.2873194E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=68
  0.3214286E+03  0.1100000E+05  0.2922078E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=69
  0.3232143E+03  0.1087500E+05  0.2972085E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=70
  0.3250000E+03  0.1075000E+05  0.3023256E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=71
  0.3267857E+03  0.1062500E+05  0.3075630E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=72
  0.3285714E+03  0.1050000E+05  0.3129252E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=73
  0.3303571E+03  0.1037500E+05  0.3184165E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=74
  0.3321429E+03  0.1025000E+05  0.3240418E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=75
  0.3339286E+03  0.1012500E+05  0.3298060E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=76
  0.3357143E+03  0.1000000E+05  0.3357143E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=77
  0.3375000E+03  0.9875000E+04  0.3417722E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=78
  0.3392857E+03  0.9750000E+04  0.3479853E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=79
  0.3410714E+03  0.9625000E+04  0.3543599E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=80
  0.3428571E+03  0.9500000E+04  0.3609023E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=81
  0.3446429E+03  0.9375000E+04  0.3676190E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=82
  0.3464286E+03  0.9250000E+04  0.3745174E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=83
  0.3482143E+03  0.9125000E+04  0.3816047E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=84
  0.3500000E+03  0.9000000E+04  0.3888889E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=85
  0.3514286E+03  0.8892857E+04  0.3951807E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=86
  0.3528571E+03  0.8785714E+04  0.4016260E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=87
  0.3542857E+03  0.8678571E+04  0.4082305E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=88
  0.3557143E+03  0.8571429E+04  0.4150000E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=89
  0.3571429E+03  0.8464286E+04  0.4219409E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=90
  0.3585714E+03  0.8357143E+04  0.4290598E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=91
  0.3600000E+03  0.8250000E+04  0.4363636E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=92
  0.3614286E+03  0.8142857E+04  0.4438596E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=93
  0.3628571E+03  0.8035714E+04  0.4515556E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=94
  0.3642857E+03  0.7928571E+04  0.4594595E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=95
  0.3657143E+03  0.7821429E+04  0.4675799E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=96
  0.3671429E+03  0.7714286E+04  0.4759259E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=97
  0.3685714E+03  0.7607143E+04  0.4845070E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=98
  0.3700000E+03  0.7500000E+04  0.4933333E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=99
  0.3714286E+03  0.7392857E+04  0.5024155E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=100
  0.3728571E+03  0.7285714E+04  0.5117647E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=101
  0.3742857E+03  0.7178571E+04  0.5213930E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=102
  0.3757143E+03  0.7071429E+04  0.5313131E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=103
  0.3771429E+03  0.6964286E+04  0.5415385E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=104
  0.3785714E+03  0.6857143E+04  0.5520833E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=105
  0.3800000E+03  0.6750000E+04  0.5629630E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=106
  0.3814286E+03  0.6642857E+04  0.5741935E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=107
  0.3828571E+03  0.6535714E+04  0.5857923E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=108
  0.3842857E+03  0.6428571E+04  0.5977778E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=109
  0.3857143E+03  0.6321429E+04  0.6101695E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=110
  0.3871429E+03  0.6214286E+04  0.6229885E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=111
  0.3885714E+03  0.6107143E+04  0.6362573E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=112
  0.3900000E+03  0.6000000E+04  0.6500000E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=113
  0.3905714E+03  0.5892857E+04  0.6627879E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=114
  0.3911429E+03  0.5785714E+04  0.6760494E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=115
  0.3917143E+03  0.5678571E+04  0.6898113E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=116
  0.3922857E+03  0.5571429E+04  0.7041026E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=117
  0.3928571E+03  0.5464286E+04  0.7189542E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=118
  0.3934286E+03  0.5357143E+04  0.7344000E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=119
  0.3940000E+03  0.5250000E+04  0.7504762E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=120
  0.3945714E+03  0.5142857E+04  0.7672222E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=121
  0.3951429E+03  0.5035714E+04  0.7846809E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=122
  0.3957143E+03  0.4928571E+04  0.8028986E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=123
  0.3962857E+03  0.4821429E+04  0.8219259E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=124
  0.3968571E+03  0.4714286E+04  0.8418182E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=125
  0.3974286E+03  0.4607143E+04  0.8626357E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=126
  0.3980000E+03  0.4500000E+04  0.8844444E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=127
  0.3985714E+03  0.4392857E+04  0.9073171E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=128
  0.3991429E+03  0.4285714E+04  0.9313333E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=129
  0.3997143E+03  0.4178571E+04  0.9565812E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=130
  0.4002857E+03  0.4071429E+04  0.9831579E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=131
  0.4008571E+03  0.3964286E+04  0.1011171E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=132
  0.4014286E+03  0.3857143E+04  0.1040741E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=133
  0.4020000E+03  0.3750000E+04  0.1072000E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=134
  0.4025714E+03  0.3642857E+04  0.1105098E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=135
  0.4031429E+03  0.3535714E+04  0.1140202E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=136
  0.4037143E+03  0.3428571E+04  0.1177500E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=137
  0.4042857E+03  0.3321429E+04  0.1217204E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=138
  0.4048571E+03  0.3214286E+04  0.1259556E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=139
  0.4054286E+03  0.3107143E+04  0.1304828E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=140
  0.4060000E+03  0.3000000E+04  0.1353333E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=1, CurvPnt#=141
  141            0.5000000E+03  0.3850000E+03                                   Line 4 : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m) for input M-EI pile
  0.0000000E+00  0.1480000E+05  0.0000000E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=1
  0.8214286E+01  0.1480000E+05  0.5550193E-03                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=2
  0.1642857E+02  0.1480000E+05  0.1110039E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=3
  0.2464286E+02  0.1480000E+05  0.1665058E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=4
  0.3285714E+02  0.1480000E+05  0.2220077E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=5
  0.4107143E+02  0.1480000E+05  0.2775097E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=6
  0.4928571E+02  0.1480000E+05  0.3330116E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=7
  0.5750000E+02  0.1480000E+05  0.3885135E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=8
  0.6571429E+02  0.1480000E+05  0.4440154E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=9
  0.7392857E+02  0.1480000E+05  0.4995174E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=10
  0.8214286E+02  0.1480000E+05  0.5550193E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=11
  0.9035714E+02  0.1480000E+05  0.6105212E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=12
  0.9857143E+02  0.1480000E+05  0.6660232E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=13
  0.1067857E+03  0.1480000E+05  0.7215251E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=14
  0.1150000E+03  0.1480000E+05  0.7770270E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=15
  0.1232143E+03  0.1480000E+05  0.8325290E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=16
  0.1314286E+03  0.1480000E+05  0.8880309E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=17
  0.1396429E+03  0.1480000E+05  0.9435328E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=18
  0.1478571E+03  0.1480000E+05  0.9990347E-02                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=19
  0.1560714E+03  0.1480000E+05  0.1054537E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=20
  0.1642857E+03  0.1480000E+05  0.1110039E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=21
  0.1725000E+03  0.1480000E+05  0.1165541E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=22
  0.1807143E+03  0.1480000E+05  0.1221042E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=23
  0.1889286E+03  0.1480000E+05  0.1276544E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=24
  0.1971429E+03  0.1480000E+05  0.1332046E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=25
  0.2053571E+03  0.1480000E+05  0.1387548E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=26
  0.2135714E+03  0.1480000E+05  0.1443050E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=27
  0.2217857E+03  0.1480000E+05  0.1498552E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=28
  0.2300000E+03  0.1480000E+05  0.1554054E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=29
  0.2319643E+03  0.1471786E+05  0.1576074E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=30
  0.2339286E+03  0.1463571E+05  0.1598341E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=31
  0.2358929E+03  0.1455357E+05  0.1620859E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=32
  0.2378571E+03  0.1447143E+05  0.1643633E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=33
  0.2398214E+03  0.1438929E+05  0.1666667E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=34
  0.2417857E+03  0.1430714E+05  0.1689965E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=35
  0.2437500E+03  0.1422500E+05  0.1713533E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=36
  0.2457143E+03  0.1414286E+05  0.1737374E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=37
  0.2476786E+03  0.1406071E+05  0.1761494E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=38
  0.2496429E+03  0.1397857E+05  0.1785897E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=39
  0.2516071E+03  0.1389643E+05  0.1810589E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=40
  0.2535714E+03  0.1381429E+05  0.1835574E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=41
  0.2555357E+03  0.1373214E+05  0.1860858E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=42
  0.2575000E+03  0.1365000E+05  0.1886447E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=43
  0.2594643E+03  0.1356786E+05  0.1912345E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=44
  0.2614286E+03  0.1348571E+05  0.1938559E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=45
  0.2633929E+03  0.1340357E+05  0.1965095E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=46
  0.2653571E+03  0.1332143E+05  0.1991957E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=47
  0.2673214E+03  0.1323929E+05  0.2019153E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=48
  0.2692857E+03  0.1315714E+05  0.2046688E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=49
  0.2712500E+03  0.1307500E+05  0.2074570E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=50
  0.2732143E+03  0.1299286E+05  0.2102804E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=51
  0.2751786E+03  0.1291071E+05  0.2131397E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=52
  0.2771429E+03  0.1282857E+05  0.2160356E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=53
  0.2791071E+03  0.1274643E+05  0.2189689E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=54
  0.2810714E+03  0.1266429E+05  0.2219402E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=55
  0.2830357E+03  0.1258214E+05  0.2249503E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=56
  0.2850000E+03  0.1250000E+05  0.2280000E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=57
  0.2867857E+03  0.1237500E+05  0.2317460E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=58
  0.2885714E+03  0.1225000E+05  0.2355685E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=59
  0.2903571E+03  0.1212500E+05  0.2394698E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=60
  0.2921429E+03  0.1200000E+05  0.2434524E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=61
  0.2939286E+03  0.1187500E+05  0.2475188E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=62
  0.2957143E+03  0.1175000E+05  0.2516717E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=63
  0.2975000E+03  0.1162500E+05  0.2559140E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=64
  0.2992857E+03  0.1150000E+05  0.2602484E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=65
  0.3010714E+03  0.1137500E+05  0.2646782E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=66
  0.3028571E+03  0.1125000E+05  0.2692063E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=67
  0.3046429E+03  0.1112500E+05  0.2738363E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=68
  0.3064286E+03  0.1100000E+05  0.2785714E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=69
  0.3082143E+03  0.1087500E+05  0.2834154E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=70
  0.3100000E+03  0.1075000E+05  0.2883721E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=71
  0.3117857E+03  0.1062500E+05  0.2934454E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=72
  0.3135714E+03  0.1050000E+05  0.2986395E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=73
  0.3153571E+03  0.1037500E+05  0.3039587E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=74
  0.3171429E+03  0.1025000E+05  0.3094077E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=75
  0.3189286E+03  0.1012500E+05  0.3149912E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=76
  0.3207143E+03  0.1000000E+05  0.3207143E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=77
  0.3225000E+03  0.9875000E+04  0.3265823E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=78
  0.3242857E+03  0.9750000E+04  0.3326007E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=79
  0.3260714E+03  0.9625000E+04  0.3387755E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=80
  0.3278571E+03  0.9500000E+04  0.3451128E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=81
  0.3296429E+03  0.9375000E+04  0.3516190E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=82
  0.3314286E+03  0.9250000E+04  0.3583012E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=83
  0.3332143E+03  0.9125000E+04  0.3651663E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=84
  0.3350000E+03  0.9000000E+04  0.3722222E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=85
  0.3362500E+03  0.8892857E+04  0.3781124E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=86
  0.3375000E+03  0.8785714E+04  0.3841463E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=87
  0.3387500E+03  0.8678571E+04  0.3903292E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=88
  0.3400000E+03  0.8571429E+04  0.3966667E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=89
  0.3412500E+03  0.8464286E+04  0.4031646E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=90
  0.3425000E+03  0.8357143E+04  0.4098291E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=91
  0.3437500E+03  0.8250000E+04  0.4166667E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=92
  0.3450000E+03  0.8142857E+04  0.4236842E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=93
  0.3462500E+03  0.8035714E+04  0.4308889E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=94
  0.3475000E+03  0.7928571E+04  0.4382883E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=95
  0.3487500E+03  0.7821429E+04  0.4458904E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=96
  0.3500000E+03  0.7714286E+04  0.4537037E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=97
  0.3512500E+03  0.7607143E+04  0.4617371E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=98
  0.3525000E+03  0.7500000E+04  0.4700000E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=99
  0.3537500E+03  0.7392857E+04  0.4785024E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=100
  0.3550000E+03  0.7285714E+04  0.4872549E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=101
  0.3562500E+03  0.7178571E+04  0.4962687E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=102
  0.3575000E+03  0.7071429E+04  0.5055556E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=103
  0.3587500E+03  0.6964286E+04  0.5151282E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=104
  0.3600000E+03  0.6857143E+04  0.5250000E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=105
  0.3612500E+03  0.6750000E+04  0.5351852E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=106
  0.3625000E+03  0.6642857E+04  0.5456989E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=107
  0.3637500E+03  0.6535714E+04  0.5565574E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=108
  0.3650000E+03  0.6428571E+04  0.5677778E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=109
  0.3662500E+03  0.6321429E+04  0.5793785E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=110
  0.3675000E+03  0.6214286E+04  0.5913793E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=111
  0.3687500E+03  0.6107143E+04  0.6038012E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=112
  0.3700000E+03  0.6000000E+04  0.6166667E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=113
  0.3705357E+03  0.5892857E+04  0.6287879E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=114
  0.3710714E+03  0.5785714E+04  0.6413580E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=115
  0.3716071E+03  0.5678571E+04  0.6544025E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=116
  0.3721429E+03  0.5571429E+04  0.6679487E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=117
  0.3726786E+03  0.5464286E+04  0.6820261E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=118
  0.3732143E+03  0.5357143E+04  0.6966667E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=119
  0.3737500E+03  0.5250000E+04  0.7119048E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=120
  0.3742857E+03  0.5142857E+04  0.7277778E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=121
  0.3748214E+03  0.5035714E+04  0.7443262E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=122
  0.3753571E+03  0.4928571E+04  0.7615942E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=123
  0.3758929E+03  0.4821429E+04  0.7796296E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=124
  0.3764286E+03  0.4714286E+04  0.7984848E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=125
  0.3769643E+03  0.4607143E+04  0.8182171E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=126
  0.3775000E+03  0.4500000E+04  0.8388889E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=127
  0.3780357E+03  0.4392857E+04  0.8605691E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=128
  0.3785714E+03  0.4285714E+04  0.8833333E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=129
  0.3791071E+03  0.4178571E+04  0.9072650E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=130
  0.3796429E+03  0.4071429E+04  0.9324561E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=131
  0.3801786E+03  0.3964286E+04  0.9590090E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=132
  0.3807143E+03  0.3857143E+04  0.9870370E-01                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=133
  0.3812500E+03  0.3750000E+04  0.1016667E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=134
  0.3817857E+03  0.3642857E+04  0.1048039E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=135
  0.3823214E+03  0.3535714E+04  0.1081313E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=136
  0.3828571E+03  0.3428571E+04  0.1116667E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=137
  0.3833929E+03  0.3321429E+04  0.1154301E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=138
  0.3839286E+03  0.3214286E+04  0.1194444E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=139
  0.3844643E+03  0.3107143E+04  0.1237356E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=140
  0.3850000E+03  0.3000000E+04  0.1283333E+00                                   Line 5 : Moment, EI, Curvature for Sect#=1, AxLd#=2, CurvPnt#=141
    0                                                                           Line 6 : number of output p-y curves
    2  101    2                                                                 Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.2774969E-01  0.0000000E+00 -0.2341904E-10  0.0000000E+00  0.1480000E+05 Line 10(  1): nodal depth, y, M, V, p, EI
  0.1200000E+00  0.2754833E-01  0.6040806E-01 -0.9733468E+00 -0.1622245E+02  0.1480000E+05 Line 10(  2): nodal depth, y, M, V, p, EI
  0.2400000E+00  0.2734703E-01 -0.1128048E+00 -0.3579529E+01 -0.2721392E+02  0.1480000E+05 Line 10(  3): nodal depth, y, M, V, p, EI
  0.3600000E+00  0.2714562E-01 -0.6778651E+00 -0.7433833E+01 -0.3702448E+02  0.1480000E+05 Line 10(  4): nodal depth, y, M, V, p, EI
  0.4800000E+00  0.2694355E-01 -0.1775880E+01 -0.1240105E+02 -0.4576248E+02  0.1480000E+05 Line 10(  5): nodal depth, y, M, V, p, EI
  0.6000000E+00  0.2673975E-01 -0.3532357E+01 -0.1835157E+02 -0.5341280E+02  0.1480000E+05 Line 10(  6): nodal depth, y, M, V, p, EI
  0.7200000E+00  0.2653251E-01 -0.6056946E+01 -0.2514867E+02 -0.5987223E+02  0.1480000E+05 Line 10(  7): nodal depth, y, M, V, p, EI
  0.8400000E+00  0.2631938E-01 -0.9441928E+01 -0.3258964E+02 -0.6414395E+02  0.1480000E+05 Line 10(  8): nodal depth, y, M, V, p, EI
  0.9600000E+00  0.2609707E-01 -0.1374783E+02 -0.4006708E+02 -0.6048003E+02  0.1480000E+05 Line 10(  9): nodal depth, y, M, V, p, EI
  0.1080000E+01  0.2586138E-01 -0.1892062E+02 -0.4696196E+02 -0.5443459E+02  0.1480000E+05 Line 10( 10): nodal depth, y, M, V, p, EI
  0.1200000E+01  0.2560727E-01 -0.2487176E+02 -0.5300513E+02 -0.4628497E+02  0.1480000E+05 Line 10( 11): nodal depth, y, M, V, p, EI
  0.1320000E+01  0.2532897E-01 -0.3148214E+02 -0.5785185E+02 -0.3449362E+02  0.1480000E+05 Line 10( 12): nodal depth, y, M, V, p, EI
  0.1440000E+01  0.2502004E-01 -0.3858003E+02 -0.6015524E+02 -0.3896266E+01  0.1480000E+05 Line 10( 13): nodal depth, y, M, V, p, EI
  0.1560000E+01  0.2467357E-01 -0.4572277E+02 -0.5827683E+02  0.3520315E+02  0.1480000E+05 Line 10( 14): nodal depth, y, M, V, p, EI
  0.1680000E+01  0.2428262E-01 -0.5234524E+02 -0.5299554E+02  0.5281821E+02  0.1480000E+05 Line 10( 15): nodal depth, y, M, V, p, EI
  0.1800000E+01  0.2384073E-01 -0.5819185E+02 -0.4578246E+02  0.6739987E+02  0.1480000E+05 Line 10( 16): nodal depth, y, M, V, p, EI
  0.1920000E+01  0.2334222E-01 -0.6305092E+02 -0.3708765E+02  0.7751357E+02  0.1480000E+05 Line 10( 17): nodal depth, y, M, V, p, EI
  0.2040000E+01  0.2278237E-01 -0.6677538E+02 -0.2730983E+02  0.8545023E+02  0.1480000E+05 Line 10( 18): nodal depth, y, M, V, p, EI
  0.2160000E+01  0.2215755E-01 -0.6924987E+02 -0.1668713E+02  0.9159461E+02  0.1480000E+05 Line 10( 19): nodal depth, y, M, V, p, EI
  0.2280000E+01  0.2146535E-01 -0.7038519E+02 -0.5431229E+01  0.9600382E+02  0.1480000E+05 Line 10( 20): nodal depth, y, M, V, p, EI
  0.2400000E+01  0.2070466E-01 -0.7011750E+02  0.6246892E+01  0.9863153E+02  0.1480000E+05 Line 10( 21): nodal depth, y, M, V, p, EI
  0.2520000E+01  0.1987576E-01 -0.6840905E+02  0.1812831E+02  0.9939208E+02  0.1480000E+05 Line 10( 22): nodal depth, y, M, V, p, EI
  0.2640000E+01  0.1898029E-01 -0.6524939E+02  0.2998332E+02  0.9819143E+02  0.1480000E+05 Line 10( 23): nodal depth, y, M, V, p, EI
  0.2760000E+01  0.1802134E-01 -0.6065673E+02  0.4150226E+02  0.9379086E+02  0.1480000E+05 Line 10( 24): nodal depth, y, M, V, p, EI
  0.2880000E+01  0.1700337E-01 -0.5469577E+02  0.5241492E+02  0.8808694E+02  0.1480000E+05 Line 10( 25): nodal depth, y, M, V, p, EI
  0.3000000E+01  0.1593218E-01 -0.4745040E+02  0.6261327E+02  0.8188548E+02  0.1480000E+05 Line 10( 26): nodal depth, y, M, V, p, EI
  0.3120000E+01  0.1481482E-01 -0.3901203E+02  0.7203976E+02  0.7522277E+02  0.1480000E+05 Line 10( 27): nodal depth, y, M, V, p, EI
  0.3240000E+01  0.1365951E-01 -0.2947906E+02  0.8064183E+02  0.6814497E+02  0.1480000E+05 Line 10( 28): nodal depth, y, M, V, p, EI
  0.3360000E+01  0.1247551E-01 -0.1895620E+02  0.8837300E+02  0.6070785E+02  0.1480000E+05 Line 10( 29): nodal depth, y, M, V, p, EI
  0.3480000E+01  0.1127307E-01 -0.7553607E+01  0.9519406E+02  0.5297649E+02  0.1480000E+05 Line 10( 30): nodal depth, y, M, V, p, EI
  0.3600000E+01  0.1006328E-01  0.4614047E+01  0.1010741E+03  0.4502485E+02  0.1480000E+05 Line 10( 31): nodal depth, y, M, V, p, EI
  0.3720000E+01  0.8857985E-02  0.1742871E+02  0.1059917E+03  0.3693526E+02  0.1480000E+05 Line 10( 32): nodal depth, y, M, V, p, EI
  0.3840000E+01  0.7669643E-02  0.3077016E+02  0.1099357E+03  0.2879788E+02  0.1480000E+05 Line 10( 33): nodal depth, y, M, V, p, EI
  0.3960000E+01  0.6511240E-02  0.4451731E+02  0.1139901E+03  0.3877424E+02  0.1480000E+05 Line 10( 34): nodal depth, y, M, V, p, EI
  0.4080000E+01  0.5396150E-02  0.5880982E+02  0.1203662E+03  0.6749424E+02  0.1480000E+05 Line 10( 35): nodal depth, y, M, V, p, EI
  0.4200000E+01  0.4338281E-02  0.7405708E+02  0.1343156E+03  0.1649966E+03  0.1480000E+05 Line 10( 36): nodal depth, y, M, V, p, EI
  0.4320000E+01  0.3352468E-02  0.9165867E+02  0.1745648E+03  0.5058237E+03  0.1480000E+05 Line 10( 37): nodal depth, y, M, V, p, EI
  0.4440000E+01  0.2455836E-02  0.1165174E+03  0.2256637E+03  0.3458237E+03  0.1480000E+05 Line 10( 38): nodal depth, y, M, V, p, EI
  0.4560000E+01  0.1672572E-02  0.1463219E+03  0.1907495E+03 -0.9277276E+03  0.1480000E+05 Line 10( 39): nodal depth, y, M, V, p, EI
  0.4680000E+01  0.1031676E-02  0.1627245E+03  0.6646326E+02 -0.1143709E+04  0.1480000E+05 Line 10( 40): nodal depth, y, M, V, p, EI
  0.4800000E+01  0.5491059E-03  0.1626101E+03 -0.7659675E+02 -0.1240624E+04  0.1480000E+05 Line 10( 41): nodal depth, y, M, V, p, EI
  0.4920000E+01  0.2247512E-03  0.1445833E+03 -0.2203034E+03 -0.1154486E+04  0.1480000E+05 Line 10( 42): nodal depth, y, M, V, p, EI
  0.5040000E+01  0.4107223E-04  0.1098897E+03 -0.3367725E+03 -0.7866654E+03  0.1480000E+05 Line 10( 43): nodal depth, y, M, V, p, EI
  0.5160000E+01 -0.3568699E-04  0.6383608E+02 -0.3381187E+03  0.7642285E+03  0.1480000E+05 Line 10( 44): nodal depth, y, M, V, p, EI
  0.5280000E+01 -0.5033543E-04  0.2876867E+02 -0.2418923E+03  0.8395459E+03  0.1480000E+05 Line 10( 45): nodal depth, y, M, V, p, EI
  0.5400000E+01 -0.3699273E-04  0.5782327E+01 -0.1445227E+03  0.7832796E+03  0.1480000E+05 Line 10( 46): nodal depth, y, M, V, p, EI
  0.5520000E+01 -0.1802398E-04 -0.5926478E+01 -0.5796615E+02  0.6593300E+03  0.1480000E+05 Line 10( 47): nodal depth, y, M, V, p, EI
  0.5640000E+01 -0.4821537E-05 -0.8139200E+01  0.5938327E+01  0.4057446E+03  0.1480000E+05 Line 10( 48): nodal depth, y, M, V, p, EI
  0.5760000E+01  0.4616852E-06 -0.4506825E+01  0.2793076E+02 -0.3920412E+02  0.1480000E+05 Line 10( 49): nodal depth, y, M, V, p, EI
  0.5880000E+01  0.1359888E-05 -0.1437673E+01  0.1858776E+02 -0.1165125E+03  0.1480000E+05 Line 10( 50): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.8592742E-06 -0.4588175E-01  0.7140438E+01 -0.7427624E+02  0.1480000E+05 Line 10( 51): nodal depth, y, M, V, p, EI
  0.6120000E+01  0.3140183E-06  0.2763454E+00  0.1040855E+01 -0.2738346E+02  0.1480000E+05 Line 10( 52): nodal depth, y, M, V, p, EI
  0.6240000E+01  0.3763902E-07  0.2041700E+00 -0.8008097E+00 -0.3310958E+01  0.1480000E+05 Line 10( 53): nodal depth, y, M, V, p, EI
  0.6360000E+01 -0.4008833E-07  0.8425729E-01 -0.7860478E+00  0.3556990E+01  0.1480000E+05 Line 10( 54): nodal depth, y, M, V, p, EI
  0.6480000E+01 -0.3583562E-07  0.1554061E-01 -0.3802093E+00  0.3206985E+01  0.1480000E+05 Line 10( 55): nodal depth, y, M, V, p, EI
  0.6600000E+01 -0.1646232E-07 -0.7000035E-02 -0.9864258E-01  0.1485794E+01  0.1480000E+05 Line 10( 56): nodal depth, y, M, V, p, EI
  0.6720000E+01 -0.3899867E-08 -0.8143194E-02  0.1180232E-01  0.3549540E+00  0.1480000E+05 Line 10( 57): nodal depth, y, M, V, p, EI
  0.6840000E+01  0.7394811E-09 -0.4172639E-02  0.2902740E-01 -0.6786933E-01  0.1480000E+05 Line 10( 58): nodal depth, y, M, V, p, EI
  0.6960000E+01  0.1318964E-08 -0.1178185E-02  0.1763163E-01 -0.1220600E+00  0.1480000E+05 Line 10( 59): nodal depth, y, M, V, p, EI
  0.7080000E+01  0.7521045E-09  0.5894923E-04  0.6097522E-02 -0.7017517E-01  0.1480000E+05 Line 10( 60): nodal depth, y, M, V, p, EI
  0.7200000E+01  0.2426012E-09  0.2855435E-03  0.5177543E-03 -0.2282096E-01  0.1480000E+05 Line 10( 61): nodal depth, y, M, V, p, EI
  0.7320000E+01  0.1092408E-10  0.1834326E-03 -0.9136596E-03 -0.1035936E-02  0.1480000E+05 Line 10( 62): nodal depth, y, M, V, p, EI
  0.7440000E+01 -0.4227808E-10  0.6635068E-04 -0.7333259E-03  0.4041498E-02  0.1480000E+05 Line 10( 63): nodal depth, y, M, V, p, EI
  0.7560000E+01 -0.3092283E-10  0.7446951E-05 -0.3120601E-03  0.2979598E-02  0.1480000E+05 Line 10( 64): nodal depth, y, M, V, p, EI
  0.7680000E+01 -0.1232189E-10 -0.8552739E-05 -0.6148310E-04  0.1196686E-02  0.1480000E+05 Line 10( 65): nodal depth, y, M, V, p, EI
  0.7800000E+01 -0.2042543E-11 -0.7317658E-05  0.2231365E-04  0.1999269E-03  0.1480000E+05 Line 10( 66): nodal depth, y, M, V, p, EI
  0.7920000E+01  0.1116925E-11 -0.3201495E-05  0.2769858E-04 -0.1101780E-03  0.1480000E+05 Line 10( 67): nodal depth, y, M, V, p, EI
  0.8040000E+01  0.1161425E-11 -0.6709600E-06  0.1416069E-04 -0.1154535E-03  0.1480000E+05 Line 10( 68): nodal depth, y, M, V, p, EI
  0.8160000E+01  0.5530995E-12  0.1972395E-06  0.3909253E-05 -0.5540370E-04  0.1480000E+05 Line 10( 69): nodal depth, y, M, V, p, EI
  0.8280000E+01  0.1366826E-12  0.2675681E-06 -0.2427097E-06 -0.1379567E-04  0.1480000E+05 Line 10( 70): nodal depth, y, M, V, p, EI
  0.8400000E+01 -0.1939791E-13  0.1391609E-06 -0.9520899E-06  0.1972669E-05  0.1480000E+05 Line 10( 71): nodal depth, y, M, V, p, EI
  0.8520000E+01 -0.4007857E-13  0.3911954E-07 -0.5873485E-06  0.4106355E-05  0.1480000E+05 Line 10( 72): nodal depth, y, M, V, p, EI
  0.8640000E+01 -0.2269697E-13 -0.1801728E-08 -0.2003998E-06  0.2342789E-05  0.1480000E+05 Line 10( 73): nodal depth, y, M, V, p, EI
  0.8760000E+01 -0.7068402E-14 -0.8986317E-08 -0.1573286E-07  0.7349940E-06  0.1480000E+05 Line 10( 74): nodal depth, y, M, V, p, EI
  0.8880000E+01 -0.1832791E-15 -0.5584370E-08  0.2951864E-07  0.1919771E-07  0.1480000E+05 Line 10( 75): nodal depth, y, M, V, p, EI
  0.9000000E+01  0.1268403E-14 -0.1904345E-08  0.2264086E-07 -0.1338273E-06  0.1480000E+05 Line 10( 76): nodal depth, y, M, V, p, EI
  0.9120000E+01  0.8672089E-15 -0.1508772E-09  0.9081669E-08 -0.9215932E-07  0.1480000E+05 Line 10( 77): nodal depth, y, M, V, p, EI
  0.9240000E+01  0.3192154E-15  0.2755404E-09  0.1502097E-08 -0.3416687E-07  0.1480000E+05 Line 10( 78): nodal depth, y, M, V, p, EI
  0.9360000E+01  0.3931528E-16  0.2098745E-09 -0.8021984E-09 -0.4238054E-08  0.1480000E+05 Line 10( 79): nodal depth, y, M, V, p, EI
  0.9480000E+01 -0.3638262E-16  0.8311945E-10 -0.8195012E-09  0.3949673E-08  0.1480000E+05 Line 10( 80): nodal depth, y, M, V, p, EI
  0.9600000E+01 -0.3120755E-16  0.1321540E-10 -0.3778205E-09  0.3411673E-08  0.1480000E+05 Line 10( 81): nodal depth, y, M, V, p, EI
  0.9720000E+01 -0.1317425E-16 -0.7564434E-11 -0.8610316E-10  0.1450284E-08  0.1480000E+05 Line 10( 82): nodal depth, y, M, V, p, EI
  0.9840000E+01 -0.2500936E-17 -0.7457972E-11  0.1754721E-10  0.2772224E-09  0.1480000E+05 Line 10( 83): nodal depth, y, M, V, p, EI
  0.9960000E+01  0.9159690E-18 -0.3357331E-11  0.2804667E-10 -0.1022315E-09  0.1480000E+05 Line 10( 84): nodal depth, y, M, V, p, EI
  0.1008000E+02  0.1066282E-17 -0.7278423E-12  0.1472351E-10 -0.1198212E-09  0.1480000E+05 Line 10( 85): nodal depth, y, M, V, p, EI
  0.1020000E+02  0.5084246E-18  0.1764331E-12  0.4082979E-11 -0.5752091E-10  0.1480000E+05 Line 10( 86): nodal depth, y, M, V, p, EI
  0.1032000E+02  0.1222315E-18  0.2523559E-12 -0.2035933E-12 -0.1392196E-10  0.1480000E+05 Line 10( 87): nodal depth, y, M, V, p, EI
  0.1044000E+02 -0.1842616E-19  0.1277287E-12 -0.9121452E-12  0.2112762E-11  0.1480000E+05 Line 10( 88): nodal depth, y, M, V, p, EI
  0.1056000E+02 -0.3480719E-19  0.3348812E-13 -0.5443250E-12  0.4017575E-11  0.1480000E+05 Line 10( 89): nodal depth, y, M, V, p, EI
  0.1068000E+02 -0.1860518E-19 -0.2909193E-14 -0.1735703E-12  0.2161669E-11  0.1480000E+05 Line 10( 90): nodal depth, y, M, V, p, EI
  0.1080000E+02  0.0000000E+00 -0.8177618E-14 -0.7145241E-14  0.6120812E-12  0.1480000E+05 Line 10( 91): nodal depth, y, M, V, p, EI
  0.1092000E+02  0.0000000E+00 -0.4629687E-14  0.2830057E-13 -0.2131773E-13  0.1480000E+05 Line 10( 92): nodal depth, y, M, V, p, EI
  0.1104000E+02  0.0000000E+00 -0.1387379E-14  0.1926346E-13 -0.1293007E-12  0.1480000E+05 Line 10( 93): nodal depth, y, M, V, p, EI
  0.1116000E+02  0.0000000E+00 -0.6597391E-17  0.6842461E-14 -0.7771595E-13  0.1480000E+05 Line 10( 94): nodal depth, y, M, V, p, EI
  0.1128000E+02  0.0000000E+00  0.2550769E-15  0.6980861E-15 -0.2469029E-13  0.1480000E+05 Line 10( 95): nodal depth, y, M, V, p, EI
  0.1140000E+02  0.0000000E+00  0.1611364E-15 -0.8406618E-15 -0.9555050E-15  0.1480000E+05 Line 10( 96): nodal depth, y, M, V, p, EI
  0.1152000E+02  0.0000000E+00  0.5338970E-16 -0.6563032E-15  0.4028149E-14  0.1480000E+05 Line 10( 97): nodal depth, y, M, V, p, EI
  0.1164000E+02  0.0000000E+00  0.3632715E-17 -0.2512964E-15  0.2721965E-14  0.1480000E+05 Line 10( 98): nodal depth, y, M, V, p, EI
  0.1176000E+02  0.0000000E+00 -0.6929030E-17 -0.3012376E-16  0.9642455E-15  0.1480000E+05 Line 10( 99): nodal depth, y, M, V, p, EI
  0.1188000E+02  0.0000000E+00 -0.3603617E-17  0.2888578E-16  0.1924672E-16  0.1480000E+05 Line 10(100): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.0000000E+00  0.0000000E+00  0.0000000E+00 -0.5006763E-15  0.1480000E+05 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.2628695E-01 -0.1337811E+02 -0.1484457E-10  0.0000000E+00  0.1480000E+05 Line 10(  1): nodal depth, y, M, V, p, EI
  0.1200000E+00  0.2628045E-01 -0.1337616E+02 -0.9449244E+00 -0.1574874E+02  0.1480000E+05 Line 10(  2): nodal depth, y, M, V, p, EI
  0.2400000E+00  0.2626092E-01 -0.1359709E+02 -0.3322772E+01 -0.2388205E+02  0.1480000E+05 Line 10(  3): nodal depth, y, M, V, p, EI
  0.3600000E+00  0.2622817E-01 -0.1415794E+02 -0.6654785E+01 -0.3165151E+02  0.1480000E+05 Line 10(  4): nodal depth, y, M, V, p, EI
  0.4800000E+00  0.2618164E-01 -0.1517045E+02 -0.1089337E+02 -0.3899154E+02  0.1480000E+05 Line 10(  5): nodal depth, y, M, V, p, EI
  0.6000000E+00  0.2612035E-01 -0.1674001E+02 -0.1597879E+02 -0.4576547E+02  0.1480000E+05 Line 10(  6): nodal depth, y, M, V, p, EI
  0.7200000E+00  0.2604278E-01 -0.1896370E+02 -0.2182659E+02 -0.5169796E+02  0.1480000E+05 Line 10(  7): nodal depth, y, M, V, p, EI
  0.8400000E+00  0.2594675E-01 -0.2192631E+02 -0.2826593E+02 -0.5562424E+02  0.1480000E+05 Line 10(  8): nodal depth, y, M, V, p, EI
  0.9600000E+00  0.2582939E-01 -0.2568351E+02 -0.3476772E+02 -0.5273893E+02  0.1480000E+05 Line 10(  9): nodal depth, y, M, V, p, EI
  0.1080000E+01  0.2568704E-01 -0.3019265E+02 -0.4084900E+02 -0.4861588E+02  0.1480000E+05 Line 10( 10): nodal depth, y, M, V, p, EI
  0.1200000E+01  0.2551531E-01 -0.3539304E+02 -0.4632420E+02 -0.4263742E+02  0.1480000E+05 Line 10( 11): nodal depth, y, M, V, p, EI
  0.1320000E+01  0.2530915E-01 -0.4119709E+02 -0.5088876E+02 -0.3343860E+02  0.1480000E+05 Line 10( 12): nodal depth, y, M, V, p, EI
  0.1440000E+01  0.2506290E-01 -0.4747062E+02 -0.5362879E+02 -0.1222847E+02  0.1480000E+05 Line 10( 13): nodal depth, y, M, V, p, EI
  0.1560000E+01  0.2477047E-01 -0.5390639E+02 -0.5259135E+02  0.2951910E+02  0.1480000E+05 Line 10( 14): nodal depth, y, M, V, p, EI
  0.1680000E+01  0.2442559E-01 -0.5990135E+02 -0.4798441E+02  0.4726315E+02  0.1480000E+05 Line 10( 15): nodal depth, y, M, V, p, EI
  0.1800000E+01  0.2402242E-01 -0.6519824E+02 -0.4140507E+02  0.6239265E+02  0.1480000E+05 Line 10( 16): nodal depth, y, M, V, p, EI
  0.1920000E+01  0.2355582E-01 -0.6957764E+02 -0.3322170E+02  0.7399670E+02  0.1480000E+05 Line 10( 17): nodal depth, y, M, V, p, EI
  0.2040000E+01  0.2302152E-01 -0.7287118E+02 -0.2381447E+02  0.8279057E+02  0.1480000E+05 Line 10( 18): nodal depth, y, M, V, p, EI
  0.2160000E+01  0.2241632E-01 -0.7495126E+02 -0.1346220E+02  0.8974716E+02  0.1480000E+05 Line 10( 19): nodal depth, y, M, V, p, EI
  0.2280000E+01  0.2173819E-01 -0.7571711E+02 -0.2381404E+01  0.9493286E+02  0.1480000E+05 Line 10( 20): nodal depth, y, M, V, p, EI
  0.2400000E+01  0.2098639E-01 -0.7509382E+02  0.9211970E+01  0.9829004E+02  0.1480000E+05 Line 10( 21): nodal depth, y, M, V, p, EI
  0.2520000E+01  0.2016153E-01 -0.7303324E+02  0.2109256E+02  0.9971976E+02  0.1480000E+05 Line 10( 22): nodal depth, y, M, V, p, EI
  0.2640000E+01  0.1926561E-01 -0.6951537E+02  0.3302271E+02  0.9911606E+02  0.1480000E+05 Line 10( 23): nodal depth, y, M, V, p, EI
  0.2760000E+01  0.1830205E-01 -0.6454994E+02  0.4470707E+02  0.9562328E+02  0.1480000E+05 Line 10( 24): nodal depth, y, M, V, p, EI
  0.2880000E+01  0.1727569E-01 -0.5818870E+02  0.5583748E+02  0.8988360E+02  0.1480000E+05 Line 10( 25): nodal depth, y, M, V, p, EI
  0.3000000E+01  0.1619271E-01 -0.5051614E+02  0.6624785E+02  0.8362256E+02  0.1480000E+05 Line 10( 26): nodal depth, y, M, V, p, EI
  0.3120000E+01  0.1506058E-01 -0.4162468E+02  0.7587792E+02  0.7687853E+02  0.1480000E+05 Line 10( 27): nodal depth, y, M, V, p, EI
  0.3240000E+01  0.1388795E-01 -0.3161402E+02  0.8467263E+02  0.6970004E+02  0.1480000E+05 Line 10( 28): nodal depth, y, M, V, p, EI
  0.3360000E+01  0.1268456E-01 -0.2059044E+02  0.9258337E+02  0.6214554E+02  0.1480000E+05 Line 10( 29): nodal depth, y, M, V, p, EI
  0.3480000E+01  0.1146114E-01 -0.8665965E+01  0.9956908E+02  0.5428304E+02  0.1480000E+05 Line 10( 30): nodal depth, y, M, V, p, EI
  0.3600000E+01  0.1022928E-01  0.4042719E+01  0.1055974E+03  0.4618972E+02  0.1480000E+05 Line 10( 31): nodal depth, y, M, V, p, EI
  0.3720000E+01  0.9001360E-02  0.1741536E+02  0.1106459E+03  0.3795143E+02  0.1480000E+05 Line 10( 32): nodal depth, y, M, V, p, EI
  0.3840000E+01  0.7790384E-02  0.3132941E+02  0.1147027E+03  0.2966208E+02  0.1480000E+05 Line 10( 33): nodal depth, y, M, V, p, EI
  0.3960000E+01  0.6609890E-02  0.4566145E+02  0.1188517E+03  0.3948727E+02  0.1480000E+05 Line 10( 34): nodal depth, y, M, V, p, EI
  0.4080000E+01  0.5473823E-02  0.6054878E+02  0.1253046E+03  0.6806114E+02  0.1480000E+05 Line 10( 35): nodal depth, y, M, V, p, EI
  0.4200000E+01  0.4396668E-02  0.7639852E+02  0.1392881E+03  0.1649968E+03  0.1480000E+05 Line 10( 36): nodal depth, y, M, V, p, EI
  0.4320000E+01  0.3393848E-02  0.9460191E+02  0.1795373E+03  0.5058244E+03  0.1480000E+05 Line 10( 37): nodal depth, y, M, V, p, EI
  0.4440000E+01  0.2483072E-02  0.1200616E+03  0.2261557E+03  0.2711478E+03  0.1480000E+05 Line 10( 38): nodal depth, y, M, V, p, EI
  0.4560000E+01  0.1689113E-02  0.1493907E+03  0.1867609E+03 -0.9277279E+03  0.1480000E+05 Line 10( 39): nodal depth, y, M, V, p, EI
  0.4680000E+01  0.1040507E-02  0.1653169E+03  0.6247435E+02 -0.1143714E+04  0.1480000E+05 Line 10( 40): nodal depth, y, M, V, p, EI
  0.4800000E+01  0.5527503E-03  0.1647254E+03 -0.8070995E+02 -0.1242691E+04  0.1480000E+05 Line 10( 41): nodal depth, y, M, V, p, EI
  0.4920000E+01  0.2252667E-03  0.1461911E+03 -0.2245826E+03 -0.1155186E+04  0.1480000E+05 Line 10( 42): nodal depth, y, M, V, p, EI
  0.5040000E+01  0.4002319E-04  0.1109794E+03 -0.3407999E+03 -0.7817685E+03  0.1480000E+05 Line 10( 43): nodal depth, y, M, V, p, EI
  0.5160000E+01 -0.3724033E-04  0.6447790E+02 -0.3413693E+03  0.7722781E+03  0.1480000E+05 Line 10( 44): nodal depth, y, M, V, p, EI
  0.5280000E+01 -0.5176860E-04  0.2907834E+02 -0.2443107E+03  0.8453654E+03  0.1480000E+05 Line 10( 45): nodal depth, y, M, V, p, EI
  0.5400000E+01 -0.3800443E-04  0.5843562E+01 -0.1462790E+03  0.7884962E+03  0.1480000E+05 Line 10( 46): nodal depth, y, M, V, p, EI
  0.5520000E+01 -0.1855463E-04 -0.6038581E+01 -0.5912623E+02  0.6640501E+03  0.1480000E+05 Line 10( 47): nodal depth, y, M, V, p, EI
  0.5640000E+01 -0.4980208E-05 -0.8356640E+01  0.5862606E+01  0.4190971E+03  0.1480000E+05 Line 10( 48): nodal depth, y, M, V, p, EI
  0.5760000E+01  0.4634312E-06 -0.4637261E+01  0.2864729E+02 -0.3935238E+02  0.1480000E+05 Line 10( 49): nodal depth, y, M, V, p, EI
  0.5880000E+01  0.1395140E-05 -0.1483203E+01  0.1911418E+02 -0.1195328E+03  0.1480000E+05 Line 10( 50): nodal depth, y, M, V, p, EI
  0.6000000E+01  0.8837323E-06 -0.4998351E-01  0.7358792E+01 -0.7639042E+02  0.1480000E+05 Line 10( 51): nodal depth, y, M, V, p, EI
  0.6120000E+01  0.3236920E-06  0.2832286E+00  0.1081745E+01 -0.2822704E+02  0.1480000E+05 Line 10( 52): nodal depth, y, M, V, p, EI
  0.6240000E+01  0.3922547E-07  0.2098885E+00 -0.8189087E+00 -0.3450512E+01  0.1480000E+05 Line 10( 53): nodal depth, y, M, V, p, EI
  0.6360000E+01 -0.4102522E-07  0.8679987E-01 -0.8075323E+00  0.3640119E+01  0.1480000E+05 Line 10( 54): nodal depth, y, M, V, p, EI
  0.6480000E+01 -0.3682198E-07  0.1610358E-01 -0.3914099E+00  0.3295255E+01  0.1480000E+05 Line 10( 55): nodal depth, y, M, V, p, EI
  0.6600000E+01 -0.1695039E-07 -0.7145729E-02 -0.1019039E+00  0.1529844E+01  0.1480000E+05 Line 10( 56): nodal depth, y, M, V, p, EI
  0.6720000E+01 -0.4031399E-08 -0.8363199E-02  0.1190226E-01  0.3669257E+00  0.1480000E+05 Line 10( 57): nodal depth, y, M, V, p, EI
  0.6840000E+01  0.7504229E-09 -0.4294498E-02  0.2978538E-01 -0.6887356E-01  0.1480000E+05 Line 10( 58): nodal depth, y, M, V, p, EI
  0.6960000E+01  0.1353815E-08 -0.1216323E-02  0.1813586E-01 -0.1252852E+00  0.1480000E+05 Line 10( 59): nodal depth, y, M, V, p, EI
  0.7080000E+01  0.7737569E-09  0.5810039E-04  0.6287016E-02 -0.7219545E-01  0.1480000E+05 Line 10( 60): nodal depth, y, M, V, p, EI
  0.7200000E+01  0.2502293E-09  0.2928922E-03  0.5429781E-03 -0.2353852E-01  0.1480000E+05 Line 10( 61): nodal depth, y, M, V, p, EI
  0.7320000E+01  0.1167796E-10  0.1886437E-03 -0.9357789E-03 -0.1107427E-02  0.1480000E+05 Line 10( 62): nodal depth, y, M, V, p, EI
  0.7440000E+01 -0.4332815E-10  0.6839331E-04 -0.7537119E-03  0.4141877E-02  0.1480000E+05 Line 10( 63): nodal depth, y, M, V, p, EI
  0.7560000E+01 -0.3178942E-10  0.7765941E-05 -0.3214133E-03  0.3063099E-02  0.1480000E+05 Line 10( 64): nodal depth, y, M, V, p, EI
  0.7680000E+01 -0.1269463E-10 -0.8755069E-05 -0.6365422E-04  0.1232886E-02  0.1480000E+05 Line 10( 65): nodal depth, y, M, V, p, EI
  0.7800000E+01 -0.2118295E-11 -0.7519973E-05  0.2275940E-04  0.2073416E-03  0.1480000E+05 Line 10( 66): nodal depth, y, M, V, p, EI
  0.7920000E+01  0.1141313E-11 -0.3296963E-05  0.2844487E-04 -0.1125837E-03  0.1480000E+05 Line 10( 67): nodal depth, y, M, V, p, EI
  0.8040000E+01  0.1193064E-11 -0.6941972E-06  0.1457393E-04 -0.1185986E-03  0.1480000E+05 Line 10( 68): nodal depth, y, M, V, p, EI
  0.8160000E+01  0.5693799E-12  0.2009512E-06  0.4035942E-05 -0.5703449E-04  0.1480000E+05 Line 10( 69): nodal depth, y, M, V, p, EI
  0.8280000E+01  0.1412159E-12  0.2747443E-06 -0.2413219E-06 -0.1425324E-04  0.1480000E+05 Line 10( 70): nodal depth, y, M, V, p, EI
  0.8400000E+01 -0.1962919E-13  0.1432107E-06 -0.9767446E-06  0.1996189E-05  0.1480000E+05 Line 10( 71): nodal depth, y, M, V, p, EI
  0.8520000E+01 -0.4113420E-13  0.4038032E-07 -0.6041025E-06  0.4214513E-05  0.1480000E+05 Line 10( 72): nodal depth, y, M, V, p, EI
  0.8640000E+01 -0.2335025E-13 -0.1772827E-08 -0.2066185E-06  0.2410221E-05  0.1480000E+05 Line 10( 73): nodal depth, y, M, V, p, EI
  0.8760000E+01 -0.7291216E-14 -0.9218276E-08 -0.1651548E-07  0.7581629E-06  0.1480000E+05 Line 10( 74): nodal depth, y, M, V, p, EI
  0.8880000E+01 -0.2013129E-15 -0.5743487E-08  0.3023949E-07  0.2108667E-07  0.1480000E+05 Line 10( 75): nodal depth, y, M, V, p, EI
  0.9000000E+01  0.1300333E-14 -0.1963374E-08  0.2327293E-07 -0.1371961E-06  0.1480000E+05 Line 10( 76): nodal depth, y, M, V, p, EI
  0.9120000E+01  0.8916679E-15 -0.1583125E-09  0.9355645E-08 -0.9475861E-07  0.1480000E+05 Line 10( 77): nodal depth, y, M, V, p, EI
  0.9240000E+01  0.3289694E-15  0.2822717E-09  0.1557475E-08 -0.3521088E-07  0.1480000E+05 Line 10( 78): nodal depth, y, M, V, p, EI
  0.9360000E+01  0.4091365E-16  0.2157367E-09 -0.8197990E-09 -0.4410353E-08  0.1480000E+05 Line 10( 79): nodal depth, y, M, V, p, EI
  0.9480000E+01 -0.3723612E-16  0.8562976E-10 -0.8418805E-09  0.4042328E-08  0.1480000E+05 Line 10( 80): nodal depth, y, M, V, p, EI
  0.9600000E+01 -0.3207045E-16  0.1370731E-10 -0.3889804E-09  0.3506007E-08  0.1480000E+05 Line 10( 81): nodal depth, y, M, V, p, EI
  0.9720000E+01 -0.1356794E-16 -0.7732639E-11 -0.8900262E-10  0.1493623E-08  0.1480000E+05 Line 10( 82): nodal depth, y, M, V, p, EI
  0.9840000E+01 -0.2589074E-17 -0.7662162E-11  0.1783429E-10  0.2869922E-09  0.1480000E+05 Line 10( 83): nodal depth, y, M, V, p, EI
  0.9960000E+01  0.9347142E-18 -0.3456760E-11  0.2879441E-10 -0.1043236E-09  0.1480000E+05 Line 10( 84): nodal depth, y, M, V, p, EI
  0.1008000E+02  0.1095168E-17 -0.7526084E-12  0.1515096E-10 -0.1230672E-09  0.1480000E+05 Line 10( 85): nodal depth, y, M, V, p, EI
  0.1020000E+02  0.5233547E-18  0.1795947E-12  0.4214327E-11 -0.5921004E-10  0.1480000E+05 Line 10( 86): nodal depth, y, M, V, p, EI
  0.1032000E+02  0.1262819E-18  0.2591208E-12 -0.2012726E-12 -0.1438329E-10  0.1480000E+05 Line 10( 87): nodal depth, y, M, V, p, EI
  0.1044000E+02 -0.1867343E-19  0.1314519E-12 -0.9358031E-12  0.2141114E-11  0.1480000E+05 Line 10( 88): nodal depth, y, M, V, p, EI
  0.1056000E+02 -0.3572959E-19  0.3457663E-13 -0.5598937E-12  0.4124043E-11  0.1480000E+05 Line 10( 89): nodal depth, y, M, V, p, EI
  0.1068000E+02 -0.1914363E-19 -0.2922484E-14 -0.1789974E-12  0.2224230E-11  0.1480000E+05 Line 10( 90): nodal depth, y, M, V, p, EI
  0.1080000E+02  0.0000000E+00 -0.8391840E-14 -0.7643943E-14  0.6316611E-12  0.1480000E+05 Line 10( 91): nodal depth, y, M, V, p, EI
  0.1092000E+02  0.0000000E+00 -0.4762827E-14  0.2901076E-13 -0.2074942E-13  0.1480000E+05 Line 10( 92): nodal depth, y, M, V, p, EI
  0.1104000E+02  0.0000000E+00 -0.1431215E-14  0.1980711E-13 -0.1326447E-12  0.1480000E+05 Line 10( 93): nodal depth, y, M, V, p, EI
  0.1116000E+02  0.0000000E+00 -0.9268047E-17  0.7052213E-14 -0.7993699E-13  0.1480000E+05 Line 10( 94): nodal depth, y, M, V, p, EI
  0.1128000E+02  0.0000000E+00  0.2615886E-15  0.7282730E-15 -0.2546200E-13  0.1480000E+05 Line 10( 95): nodal depth, y, M, V, p, EI
  0.1140000E+02  0.0000000E+00  0.1657160E-15 -0.8609099E-15 -0.1024383E-14  0.1480000E+05 Line 10( 96): nodal depth, y, M, V, p, EI
  0.1152000E+02  0.0000000E+00  0.5504403E-16 -0.6746005E-15  0.4129540E-14  0.1480000E+05 Line 10( 97): nodal depth, y, M, V, p, EI
  0.1164000E+02  0.0000000E+00  0.3821336E-17 -0.2588922E-15  0.2798931E-14  0.1480000E+05 Line 10( 98): nodal depth, y, M, V, p, EI
  0.1176000E+02  0.0000000E+00 -0.7097865E-17 -0.3132285E-16  0.9938910E-15  0.1480000E+05 Line 10( 99): nodal depth, y, M, V, p, EI
  0.1188000E+02  0.0000000E+00 -0.3702963E-17  0.2958970E-16  0.2131803E-16  0.1480000E+05 Line 10(100): nodal depth, y, M, V, p, EI
  0.1200000E+02  0.0000000E+00  0.0000000E+00  0.0000000E+00 -0.5144796E-15  0.1480000E+05 Line 10(101): nodal depth, y, M, V, p, EI
    0                                                                           Line 11: Num. points on Ytop vs. Length curve for load case 2
 -0.2341904E-10  0.2774969E-01  0.1627245E+03 -0.3381187E+03 -0.1678002E-02     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
 -0.1484457E-10  0.2628695E-01  0.1653169E+03 -0.3413693E+03  0.4336809E-16     Line 13: TopV(kN) TopY(m), Mmax(kN-m), Vmax(kN), Rotation(rad)
